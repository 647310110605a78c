#include "main/core/windows/frmMsgBox.h"

#include "platform/ui/Twips.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

TEST(MsgBox, CallerSetsCaptionTextFontAndHeight)
{
    auto* box = new frmMsgBox;
    box->setWindowTitle("Please wait");
    box->setMessage("<b>Connecting</b> to\nthe site");
    box->setMessageFontSize(10);
    box->setHeightTwips(2000);
    EXPECT_EQ(box->height(), platform::ui::twipsToPixelsY(2000));
    EXPECT_EQ(box->lblMsg()->font().pointSize(), 10);
    EXPECT_EQ(box->lblMsg()->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->lblMsg()->text(), "<b>Connecting</b> to\nthe site");
    box->close();
}

TEST(MsgBox, OkClosesAModelessBoxAndEachUseHasItsOwnWindow)
{
    QPointer<frmMsgBox> first = new frmMsgBox;
    QPointer<frmMsgBox> second = new frmMsgBox;
    first->showModeless();
    second->showModeless();
    EXPECT_TRUE(first->isVisible());
    QTest::mouseClick(first->btnOK(), Qt::LeftButton);
    EXPECT_FALSE(first->isVisible());
    EXPECT_TRUE(second->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    second->close();
}

TEST(MsgBox, ModalBoxReturnsWhenOkIsPressed)
{
    QPointer<frmMsgBox> box = new frmMsgBox;
    box->setMessage("Wrong password");
    QTimer::singleShot(0, [box] {
        ASSERT_TRUE(box && box->isModal());
        QTest::mouseClick(box->btnOK(), Qt::LeftButton);
    });
    box->showModal();
    EXPECT_TRUE(box.isNull());
}
