#pragma once

#include "activities/arcade/09blaster/rules/BlasterGame.h"

#include <QImage>
#include <QString>

#include <array>
#include <map>
#include <memory>
#include <utility>

namespace blaster {

// The game's pictures, drawn once from the program's SVG resources at their
// pixel sizes and made crisp: a pixel either shows in its full colour or not at
// all. The window paints exactly these pixels where the game's raster has them,
// so what the learner sees is what the hit rules read.
class BlasterArt {
public:
    BlasterArt();
    BlasterArt(const BlasterArt&) = delete;
    BlasterArt& operator=(const BlasterArt&) = delete;

    // The masks the game composites; they point into this object, which must
    // outlive the game.
    BlasterPictures pictures();

    const QImage& space() const { return space_; }
    const Mask& ship() const { return ship_; }
    // Frame 1 to 7 of the explosion.
    const Mask& explosion(int frame) const { return explosions_[std::size_t(frame - 1)]; }
    // An invader's caption in Arial bold 24 pt (large) or 18 pt, pure green.
    const Mask& letter(const QString& caption, bool large);

    // A picture of the mask's pixels (no copy: valid while the mask lives).
    static QImage image(const Mask& mask);
    // The mask of a picture: alpha of half or more shows, fully opaque.
    static Mask maskOf(const QImage& picture);

private:
    QImage space_;
    Mask ship_;
    Mask ufo_;
    std::array<Mask, 10> bases_;
    std::array<Mask, 7> explosions_;
    std::map<std::pair<QString, bool>, std::unique_ptr<Mask>> letters_;
};

}  // namespace blaster
