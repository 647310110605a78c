#include "WindowPlacement.h"

#include <QRect>
#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace testsupport {

namespace {

std::string text(const QRect& r)
{
    return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) + "x"
           + std::to_string(r.height());
}

}  // namespace

void expectFrameCentredOnItsScreen(const QWidget& window)
{
    const QRect area = window.screen()->availableGeometry();
    const QRect frame = window.frameGeometry();
    EXPECT_TRUE(area.contains(frame)) << "frame " << text(frame) << " on " << text(area);
    EXPECT_LE(std::abs((frame.left() - area.left()) - (area.right() - frame.right())), 1)
        << "left and right: " << text(frame);
    EXPECT_LE(std::abs((frame.top() - area.top()) - (area.bottom() - frame.bottom())), 1)
        << "top and bottom: " << text(frame);
}

}  // namespace testsupport
