#include "activities/arcade/09blaster/window/FieldEffects.h"

#include "activities/arcade/09blaster/rules/BlasterLayout.h"
#include "activities/arcade/09blaster/window/BlasterArt.h"

#include <QPainter>
#include <QPen>

#include <algorithm>

namespace blaster {

namespace {

constexpr int kCurtainBar = 24;
constexpr int kSparkles = 32500;

}  // namespace

void FieldEffects::explode(QPoint topLeft) { explosions_.push_back({topLeft, 1}); }

bool FieldEffects::advance()
{
    for (Explosion& explosion : explosions_)
        ++explosion.frame;
    std::erase_if(explosions_, [](const Explosion& explosion) { return explosion.frame > 7; });
    return exploding();
}

void FieldEffects::burst(QPoint centre, const platform::RandomSource& random)
{
    burst_ = QImage(Raster::kWidth, Raster::kHeight, QImage::Format_ARGB32_Premultiplied);
    burst_.fill(Qt::transparent);
    QPainter painter(&burst_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    for (int circle = 0; circle < 1000; ++circle) {
        const int radius = random.below(30);
        painter.setPen(QColor(qRound(random.next() * 255), 0, 0));
        painter.drawEllipse(centre, radius, radius);
    }
}

void FieldEffects::sparkle(bool won, const platform::RandomSource& random)
{
    sparkles_ = QImage(Raster::kWidth, Raster::kHeight, QImage::Format_ARGB32_Premultiplied);
    sparkles_.fill(Qt::transparent);
    QPainter painter(&sparkles_);
    for (int spark = 0; spark < kSparkles; ++spark) {
        const QPoint from(random.below(800), random.below(600));
        for (int stroke = 0; stroke < 2; ++stroke) {
            const QPoint to = from + QPoint(random.below(4), random.below(3));
            painter.setPen(won ? QColor(0, random.below(255), 0) : QColor(255, random.below(25), 0));
            painter.drawLine(from, to);
        }
    }
}

void FieldEffects::paint(QPainter& painter, const BlasterGame& game, BlasterArt& art, bool hideSprites) const
{
    const Raster& raster = game.raster();
    painter.drawImage(0, 0, art.space());
    const auto drawSprites = [&](bool under) {
        for (int id = 0; id < raster.spriteCount(); ++id) {
            const Sprite& sprite = raster.sprite(id);
            if (sprite.visible && sprite.mask && sprite.underDrawings == under)
                painter.drawImage(sprite.x, sprite.y, BlasterArt::image(*sprite.mask));
        }
    };
    if (!hideSprites)
        drawSprites(true);
    painter.drawImage(0, 0,
                      QImage(reinterpret_cast<const uchar*>(raster.drawings().data()), Raster::kWidth,
                             Raster::kHeight, Raster::kWidth * 4, QImage::Format_ARGB32_Premultiplied));
    if (!hideSprites)
        drawSprites(false);
    else if (game.shipVisible())
        painter.drawImage(game.shipLeft(), layout::kShipTop, BlasterArt::image(art.ship()));
    for (const Explosion& explosion : explosions_)
        painter.drawImage(explosion.topLeft, BlasterArt::image(art.explosion(explosion.frame)));
    if (!burst_.isNull())
        painter.drawImage(0, 0, burst_);
    if (!sparkles_.isNull())
        painter.drawImage(0, 0, sparkles_);
    if (curtainShown()) {
        painter.fillRect(QRect(0, 0, Raster::kWidth, curtainTop_), QColor(0, 0, 0, 225));
        painter.fillRect(QRect(0, curtainTop_, Raster::kWidth, kCurtainBar), curtainColour_);
        painter.fillRect(QRect(0, curtainTop_, Raster::kWidth, 4), curtainColour_.lighter(150));
    }
}

}  // namespace blaster
