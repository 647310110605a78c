#include "platform/ui/UserInputBlock.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

void postClick(QWidget* target)
{
    const QPointF at = QRectF(target->rect()).center();
    const QPointF global = target->mapToGlobal(at);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
        QCoreApplication::postEvent(target, new QMouseEvent(type, at, global, Qt::LeftButton,
                                                             type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                                             Qt::NoModifier));
}

void postKey(QWidget* target, char letter)
{
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
        QCoreApplication::postEvent(target, new QKeyEvent(type, Qt::Key_A + (letter - 'a'), Qt::NoModifier, QString(letter)));
}

}  // namespace

TEST(UserInputBlock, DropsClicksAndKeysWhileTimersGoOn)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* button = new QPushButton("Press", &window);
    auto* edit = new QLineEdit(&window);
    layout->addWidget(button);
    layout->addWidget(edit);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    edit->setFocus();
    int presses = 0;
    QObject::connect(button, &QPushButton::clicked, [&presses] { ++presses; });
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    timer.start(5);

    {
        platform::ui::UserInputBlock block;
        postClick(button);
        postKey(edit, 'a');
        QTest::qWait(50);
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(presses, 0);
    EXPECT_EQ(edit->text(), "");
    EXPECT_GT(ticks, 0);

    // Afterwards input is acted on again.
    postClick(button);
    postKey(edit, 'b');
    QCoreApplication::processEvents();
    EXPECT_EQ(presses, 1);
    EXPECT_EQ(edit->text(), "b");
}
