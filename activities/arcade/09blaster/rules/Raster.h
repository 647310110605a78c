#pragma once

#include <cstdint>
#include <vector>

namespace blaster {

// A colour as 0xAARRGGBB (the layout of a 32-bit ARGB image); alpha 0 is "nothing".
using Rgb = std::uint32_t;

constexpr Rgb kNone = 0;
constexpr Rgb kBlack = 0xFF000000u;
constexpr Rgb kGreen = 0xFF00FF00u;
constexpr Rgb kRed = 0xFFFF0000u;
constexpr Rgb kYellow = 0xFFFFFF00u;

constexpr Rgb opaque(int red, int green, int blue)
{
    return 0xFF000000u | (Rgb(red & 0xFF) << 16) | (Rgb(green & 0xFF) << 8) | Rgb(blue & 0xFF);
}

// A picture as the game sees it: a pixel counts where its alpha is at least half,
// and then with its colour made opaque (an edge pixel of a green letter reads green).
struct Mask {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;  // row by row, width * height

    Mask() = default;
    Mask(int width, int height, Rgb fill = kNone);

    // The opaque colour at (x, y) of the picture, or kNone where it is see-through
    // or outside.
    Rgb at(int x, int y) const;
    void set(int x, int y, Rgb colour);
    // True when no pixel shows.
    bool blank() const;
};

// One control drawn over the surface at a place.
struct Sprite {
    const Mask* mask = nullptr;
    int x = 0;
    int y = 0;
    bool visible = false;
    bool underDrawings = false;  // the bases: craters drawn on the surface show on them
};

// What the game window shows, kept by the game so that its hit rules read colours
// without the real screen. From the bottom up: the background picture, the sprites
// that sit under the drawings, the drawing layer (shots, bombs, craters, sparks),
// and the other sprites, later ones in front.
class Raster {
public:
    static constexpr int kWidth = 800;
    static constexpr int kHeight = 574;

    // A black background and an empty drawing layer.
    Raster();

    // A picture of kWidth x kHeight; pixels that do not show read black.
    void setBackground(const Mask& picture);
    const std::vector<Rgb>& background() const { return background_; }

    // Drawing layer. Rectangles take two opposite corners, both inclusive, clipped
    // to the surface; kNone erases back to what lies beneath.
    void clearDrawings();
    void fillRect(int x1, int y1, int x2, int y2, Rgb colour);
    void setPixel(int x, int y, Rgb colour);
    void paint(const Mask& picture, int x, int y);
    Rgb drawingAt(int x, int y) const;
    // kWidth x kHeight pixels, each either opaque or kNone.
    const std::vector<Rgb>& drawings() const { return drawings_; }

    // Sprites, addressed by the number addSprite returns.
    int addSprite(bool underDrawings);
    Sprite& sprite(int id) { return sprites_[static_cast<std::size_t>(id)]; }
    const Sprite& sprite(int id) const { return sprites_[static_cast<std::size_t>(id)]; }
    int spriteCount() const { return static_cast<int>(sprites_.size()); }
    // Removes the sprites from id on.
    void dropSpritesFrom(int id);

    // The colour shown at (x, y), always opaque; outside the surface it is black.
    Rgb pixel(int x, int y) const;

private:
    static bool inside(int x, int y) { return x >= 0 && y >= 0 && x < kWidth && y < kHeight; }
    static std::size_t index(int x, int y) { return std::size_t(y) * kWidth + std::size_t(x); }
    static Rgb spriteAt(const Sprite& sprite, int x, int y);

    std::vector<Rgb> background_;
    std::vector<Rgb> drawings_;
    std::vector<Sprite> sprites_;
};

}  // namespace blaster
