#include "activities/arcade/09blaster/rules/Raster.h"

#include <algorithm>

namespace blaster {

Mask::Mask(int width, int height, Rgb fill)
    : width(std::max(width, 0)), height(std::max(height, 0)),
      pixels(std::size_t(this->width) * std::size_t(this->height), fill)
{
}

Rgb Mask::at(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width || y >= height)
        return kNone;
    const Rgb colour = pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)];
    return (colour >> 24) >= 0x80 ? (colour | 0xFF000000u) : kNone;
}

void Mask::set(int x, int y, Rgb colour)
{
    if (x >= 0 && y >= 0 && x < width && y < height)
        pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)] = colour;
}

bool Mask::blank() const
{
    return std::none_of(pixels.begin(), pixels.end(), [](Rgb colour) { return (colour >> 24) >= 0x80; });
}

Raster::Raster()
    : background_(std::size_t(kWidth) * kHeight, kBlack), drawings_(std::size_t(kWidth) * kHeight, kNone)
{
}

void Raster::setBackground(const Mask& picture)
{
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const Rgb colour = picture.at(x, y);
            background_[index(x, y)] = colour == kNone ? kBlack : colour;
        }
}

void Raster::clearDrawings() { std::fill(drawings_.begin(), drawings_.end(), kNone); }

void Raster::fillRect(int x1, int y1, int x2, int y2, Rgb colour)
{
    const int left = std::max(std::min(x1, x2), 0);
    const int right = std::min(std::max(x1, x2), kWidth - 1);
    const int top = std::max(std::min(y1, y2), 0);
    const int bottom = std::min(std::max(y1, y2), kHeight - 1);
    for (int y = top; y <= bottom; ++y)
        std::fill_n(drawings_.begin() + std::ptrdiff_t(index(left, y)), std::max(right - left + 1, 0), colour);
}

void Raster::setPixel(int x, int y, Rgb colour)
{
    if (inside(x, y))
        drawings_[index(x, y)] = colour;
}

void Raster::paint(const Mask& picture, int x, int y)
{
    for (int row = 0; row < picture.height; ++row)
        for (int column = 0; column < picture.width; ++column) {
            const Rgb colour = picture.at(column, row);
            if (colour != kNone)
                setPixel(x + column, y + row, colour);
        }
}

Rgb Raster::drawingAt(int x, int y) const { return inside(x, y) ? drawings_[index(x, y)] : kNone; }

int Raster::addSprite(bool underDrawings)
{
    Sprite sprite;
    sprite.underDrawings = underDrawings;
    sprites_.push_back(sprite);
    return static_cast<int>(sprites_.size()) - 1;
}

void Raster::dropSpritesFrom(int id)
{
    if (id >= 0 && id < spriteCount())
        sprites_.resize(std::size_t(id));
}

Rgb Raster::spriteAt(const Sprite& sprite, int x, int y)
{
    if (!sprite.visible || sprite.mask == nullptr)
        return kNone;
    return sprite.mask->at(x - sprite.x, y - sprite.y);
}

Rgb Raster::pixel(int x, int y) const
{
    if (!inside(x, y))
        return kBlack;
    for (auto it = sprites_.rbegin(); it != sprites_.rend(); ++it)
        if (!it->underDrawings)
            if (const Rgb colour = spriteAt(*it, x, y); colour != kNone)
                return colour;
    if (const Rgb drawn = drawings_[index(x, y)]; drawn != kNone)
        return drawn;
    for (auto it = sprites_.rbegin(); it != sprites_.rend(); ++it)
        if (it->underDrawings)
            if (const Rgb colour = spriteAt(*it, x, y); colour != kNone)
                return colour;
    return background_[index(x, y)];
}

}  // namespace blaster
