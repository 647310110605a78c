#pragma once

#include "activities/arcade/09blaster/rules/BlasterGame.h"

#include <QColor>
#include <QImage>
#include <QPoint>

#include <vector>

class QPainter;

namespace blaster {

class BlasterArt;

// What the window shows over the game's own raster: explosions while their
// frames run, the burst round a hit ship, the end's sparkles and its curtain.
class FieldEffects {
public:
    // An explosion with its top left at the point: frames 1 to 7, one per advance().
    void explode(QPoint topLeft);
    // One frame on for every running explosion; false when none runs.
    bool advance();
    bool exploding() const { return !explosions_.empty(); }

    // The red burst of a ship hit, centred on the point: circles of random size.
    void burst(QPoint centre, const platform::RandomSource& random);
    void clearBurst() { burst_ = QImage(); }

    // The end's sparkles, in green shades when won and red ones when lost.
    void sparkle(bool won, const platform::RandomSource& random);

    // The curtain: a bar at `top` that darkens everything above it.
    void setCurtain(int top, QColor colour)
    {
        curtainTop_ = top;
        curtainColour_ = colour;
    }
    int curtainTop() const { return curtainTop_; }
    bool curtainShown() const { return curtainTop_ >= 0; }

    // Draws the game and the effects over it; hideSprites leaves the invaders,
    // bases and UFO out (after the curtain has fallen).
    void paint(QPainter& painter, const BlasterGame& game, BlasterArt& art, bool hideSprites) const;

private:
    struct Explosion {
        QPoint topLeft;
        int frame = 1;
    };
    std::vector<Explosion> explosions_;
    QImage burst_;
    QImage sparkles_;
    int curtainTop_ = -1;
    QColor curtainColour_;
};

}  // namespace blaster
