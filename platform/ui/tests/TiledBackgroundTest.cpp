#include "platform/ui/TiledBackground.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using platform::ui::paintTiledBackground;

namespace {

// A picture whose only non-white pixel is its top-left corner, so every
// tile's origin shows as one black pixel.
QPixmap cornerMarked(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(0, 0, qRgb(0, 0, 0));
    return QPixmap::fromImage(image);
}

std::vector<QPoint> blackPixels(const QImage& image)
{
    std::vector<QPoint> points;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == qRgb(0, 0, 0))
                points.emplace_back(x, y);
        }
    }
    return points;
}

QImage painted(const QPixmap& picture, const QSize& area, bool* drew = nullptr)
{
    QImage target(area, QImage::Format_RGB32);
    target.fill(Qt::gray);
    QPainter painter(&target);
    const bool result = paintTiledBackground(painter, picture, area);
    if (drew)
        *drew = result;
    return target;
}

}  // namespace

TEST(TiledBackground, TilesStepByHalfThePictureSoTheyOverlap)
{
    const QImage image = painted(cornerMarked(10, 8), QSize(12, 9));
    // Tiles at x = 0, 5, 10 and y = 0, 4, 8.
    const std::vector<QPoint> expected = {{0, 0}, {5, 0}, {10, 0}, {0, 4}, {5, 4}, {10, 4}, {0, 8}, {5, 8}, {10, 8}};
    EXPECT_EQ(blackPixels(image), expected);
    EXPECT_EQ(image.pixel(11, 0), qRgb(255, 255, 255));  // covered, not left grey
}

TEST(TiledBackground, OnePixelPicturesStillFinish)
{
    const QImage image = painted(cornerMarked(1, 1), QSize(7, 3));
    EXPECT_EQ(blackPixels(image).size(), 21u);
}

TEST(TiledBackground, CoversAreasBeyondSixteenBitCoordinates)
{
    const QImage image = painted(cornerMarked(4000, 2), QSize(40000, 2));
    EXPECT_EQ(image.pixel(39999, 1), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(38000, 0), qRgb(0, 0, 0));
}

TEST(TiledBackground, NoPictureDrawsNothing)
{
    bool drew = true;
    const QImage image = painted(QPixmap(), QSize(20, 20), &drew);
    EXPECT_FALSE(drew);
    EXPECT_EQ(image.pixel(5, 5), QColor(Qt::gray).rgb());
}
