#include "platform/ui/PictureButton.h"

#include <QAccessible>
#include <QEnterEvent>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using platform::ui::PictureButton;

namespace {

QPixmap filled(Qt::GlobalColor colour)
{
    QPixmap picture(40, 20);
    picture.fill(colour);
    return picture;
}

}  // namespace

TEST(PictureButton, ShowsThePictureOfItsState)
{
    PictureButton button("Popper");
    const QPixmap normal = filled(Qt::red);
    const QPixmap hover = filled(Qt::green);
    const QPixmap pressed = filled(Qt::blue);
    button.setPictures(normal, hover, pressed);
    button.show();
    EXPECT_EQ(button.sizeHint(), QSize(40, 20));
    EXPECT_EQ(button.currentPicture().cacheKey(), normal.cacheKey());

    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&button, &enter);
    EXPECT_EQ(button.currentPicture().cacheKey(), hover.cacheKey());

    QSignalSpy clicked(&button, &PictureButton::clicked);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(button.currentPicture().cacheKey(), pressed.cacheKey());
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(button.currentPicture().cacheKey(), hover.cacheKey());

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&button, &leave);
    EXPECT_EQ(button.currentPicture().cacheKey(), normal.cacheKey());
}

TEST(PictureButton, MissingStatePicturesFallBackToTheNormalOne)
{
    PictureButton button;
    const QPixmap normal = filled(Qt::red);
    button.setPictures(normal);
    button.show();
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(button.currentPicture().cacheKey(), normal.cacheKey());
}

TEST(PictureButton, ScreenReadersFindItByItsName)
{
    PictureButton button("Spotter");
    button.setPictures(filled(Qt::red));
    button.show();
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&button);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->text(QAccessible::Name), "Spotter");
    EXPECT_EQ(accessible->role(), QAccessible::Button);
}
