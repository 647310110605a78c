#include "platform/ui/ControlArray.h"
#include "platform/ui/PlainLabel.h"

#include <QPushButton>

#include <gtest/gtest.h>

using namespace platform::ui;

TEST(ControlArray, GrowsElementsFromElementZero)
{
    QWidget window;
    auto* word = new PlainLabel("empty", &window);
    word->setObjectName("lblword");
    word->setGeometry(325, 40, 41, 16);
    QFont font("Liberation Sans", 9);
    font.setBold(true);
    word->setFont(font);
    word->setAlignment(Qt::AlignCenter);
    word->setStyleSheet("color: #FFFFC0;");
    word->setProperty("Tag", "resting");
    window.show();

    ControlArray<PlainLabel> words(word);
    PlainLabel* third = words.load(3);
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(third->parentWidget(), &window);
    EXPECT_EQ(third->geometry(), word->geometry());
    EXPECT_EQ(third->font(), word->font());
    EXPECT_EQ(third->text(), "empty");
    EXPECT_EQ(third->alignment(), Qt::AlignCenter);
    EXPECT_EQ(third->textFormat(), Qt::PlainText);
    EXPECT_EQ(third->styleSheet(), word->styleSheet());
    EXPECT_EQ(third->property("Tag").toString(), "resting");
    EXPECT_EQ(third->objectName(), "lblword_3");
    EXPECT_FALSE(third->isVisible());  // shown by the window when it is placed

    EXPECT_EQ(words.load(3), third);
    EXPECT_EQ(words[3], third);
    EXPECT_EQ(words[2], nullptr);
    EXPECT_EQ(words.indexOf(third), 3);
    EXPECT_EQ(words.indexOf(word), 0);
    EXPECT_EQ(words.indexOf(&window), -1);
    EXPECT_EQ(words.upperBound(), 3);
}

TEST(ControlArray, UnloadKeepsElementZeroAndForgetsDestroyedElements)
{
    QWidget window;
    auto* key = new QPushButton("A", &window);
    key->setCheckable(true);
    ControlArray<QPushButton> keys(key);
    for (int i = 1; i <= 4; ++i)
        keys.load(i)->setText(QString(QChar('A' + i)));
    EXPECT_TRUE(keys[2]->isCheckable());
    EXPECT_EQ(keys[4]->text(), "E");

    keys.unload(4);
    keys.unload(0);
    delete keys[2];
    EXPECT_EQ(keys.indices(), std::vector<int>({0, 1, 3}));
    EXPECT_EQ(keys.upperBound(), 3);
    EXPECT_EQ(window.findChildren<QPushButton*>().size(), 3);
}
