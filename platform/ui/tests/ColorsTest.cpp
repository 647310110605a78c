#include "platform/ui/Colors.h"

#include <QGuiApplication>
#include <QPalette>

#include <gtest/gtest.h>

using namespace platform::ui;

TEST(Colors, QbColorIsTheClassicPalette)
{
    EXPECT_EQ(qbColor(0), QColor(0, 0, 0));
    EXPECT_EQ(qbColor(1), QColor(0, 0, 128));
    EXPECT_EQ(qbColor(4), QColor(128, 0, 0));
    EXPECT_EQ(qbColor(7), QColor(192, 192, 192));
    EXPECT_EQ(qbColor(8), QColor(128, 128, 128));
    EXPECT_EQ(qbColor(12), QColor(255, 0, 0));
    EXPECT_EQ(qbColor(14), QColor(255, 255, 0));
    EXPECT_EQ(qbColor(15), QColor(255, 255, 255));
    EXPECT_FALSE(qbColor(-1).isValid());
    EXPECT_FALSE(qbColor(16).isValid());
}

TEST(Colors, ColourNumbersHoldBlueInTheHighestByte)
{
    EXPECT_EQ(colorFromNumber(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(colorFromNumber(0x00FF00), QColor(0, 255, 0));
    EXPECT_EQ(colorFromNumber(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(colorFromNumber(0xC0FFFF), QColor(255, 255, 192));
    EXPECT_EQ(colorNumber(QColor(0, 0, 128)), 0x800000u);
    for (quint32 n : {0x000000u, 0x123456u, 0xFFFFFFu, 0xC0C0C0u})
        EXPECT_EQ(colorNumber(colorFromNumber(n)), n);
}

TEST(Colors, SystemColoursFollowTheApplicationPalette)
{
    const QPalette palette = QGuiApplication::palette();
    EXPECT_EQ(colorFromNumber(0x80000002), palette.color(QPalette::Active, QPalette::Highlight));
    EXPECT_EQ(colorFromNumber(0x8000000F), palette.color(QPalette::Active, QPalette::Button));
    EXPECT_EQ(colorFromNumber(0x80000005), palette.color(QPalette::Active, QPalette::Base));
    EXPECT_EQ(colorFromNumber(0x80000008), palette.color(QPalette::Active, QPalette::Text));
    for (int index = 0; index <= 24; ++index)
        EXPECT_TRUE(systemColor(index).isValid()) << index;
    EXPECT_FALSE(colorFromNumber(0x80000019).isValid());
}
