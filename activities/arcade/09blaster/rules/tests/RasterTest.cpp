#include "activities/arcade/09blaster/rules/Raster.h"

#include <gtest/gtest.h>

namespace blaster {
namespace {

constexpr Rgb kBlue = opaque(0, 0, 255);
constexpr Rgb kGrey = opaque(90, 90, 90);

// A star-field background, a base under the drawings, a letter over them.
struct Scene {
    Scene()
    {
        Mask sky(Raster::kWidth, Raster::kHeight, kNone);
        sky.set(10, 10, kBlue);
        raster.setBackground(sky);
        base = Mask(4, 4, kGreen);
        letter = Mask(2, 2, kGreen);
        letter.set(1, 1, 0x40FF0000u);  // mostly see-through: does not show
        const int under = raster.addSprite(true);
        raster.sprite(under) = Sprite{&base, 20, 20, true, true};
        const int over = raster.addSprite(false);
        raster.sprite(over) = Sprite{&letter, 22, 22, true, false};
    }
    Raster raster;
    Mask base;
    Mask letter;
};

TEST(BlasterRaster, LayersShowFromTheTopDown)
{
    Scene scene;
    Raster& raster = scene.raster;
    raster.fillRect(19, 19, 24, 24, kGrey);  // a drawing over the base, under the letter

    struct Case {
        int x, y;
        Rgb shown;
    } cases[] = {
        {10, 10, kBlue},   // background picture
        {11, 10, kBlack},  // see-through background reads black
        {20, 20, kGrey},   // drawing over the base
        {22, 22, kGreen},  // letter over the drawing
        {23, 23, kGrey},   // the letter's faint pixel does not count
        {-1, 5, kBlack},   // outside
        {800, 5, kBlack},
    };
    for (const Case& c : cases)
        EXPECT_EQ(raster.pixel(c.x, c.y), c.shown) << c.x << "," << c.y;

    raster.fillRect(24, 24, 19, 19, kNone);  // erasing, corners in any order
    EXPECT_EQ(raster.pixel(20, 20), kGreen) << "the base shows again";
    raster.sprite(0).visible = false;
    EXPECT_EQ(raster.pixel(20, 20), kBlack);
}

TEST(BlasterRaster, RectanglesAreClippedAndInclusive)
{
    Raster raster;
    raster.fillRect(-5, 570, 2, 600, kRed);
    EXPECT_EQ(raster.pixel(0, 573), kRed);
    EXPECT_EQ(raster.pixel(2, 570), kRed);
    EXPECT_EQ(raster.pixel(3, 570), kBlack);
    EXPECT_EQ(raster.pixel(0, 569), kBlack);
    raster.clearDrawings();
    EXPECT_EQ(raster.pixel(0, 573), kBlack);
}

}  // namespace
}  // namespace blaster
