#include "activities/arcade/09blaster/window/BlasterArt.h"

#include "activities/arcade/09blaster/rules/BlasterLayout.h"
#include "platform/ui/SvgPicture.h"

#include <QFont>
#include <QPainter>

namespace blaster {

namespace {

QImage picture(const QString& name, QSize size)
{
    QImage image = platform::ui::pictureResource(name, size).toImage();
    image.setDevicePixelRatio(1.0);
    if (image.size() != size)
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image.convertToFormat(QImage::Format_ARGB32);
}

Mask maskPicture(const QString& name, QSize size) { return BlasterArt::maskOf(picture(name, size)); }

}  // namespace

BlasterArt::BlasterArt()
    : space_(picture(QStringLiteral("space"), {Raster::kWidth, Raster::kHeight})),
      ship_(maskPicture(QStringLiteral("ship"), {layout::kShipSize, layout::kShipSize})),
      ufo_(maskPicture(QStringLiteral("ufo"), {layout::kUfoWidth, layout::kUfoHeight}))
{
    if (space_.isNull()) {
        space_ = QImage(Raster::kWidth, Raster::kHeight, QImage::Format_ARGB32);
        space_.fill(Qt::black);
    }
    for (int level = 1; level <= layout::kBasePictures; ++level)
        bases_[std::size_t(level - 1)] =
            maskPicture(QStringLiteral("base%1").arg(level), {layout::kBaseWidth, layout::kBaseHeight});
    for (int frame = 1; frame <= 7; ++frame)
        explosions_[std::size_t(frame - 1)] =
            maskPicture(QStringLiteral("kaboom%1").arg(frame), {layout::kInvaderWidth, layout::kInvaderHeight});
}

BlasterPictures BlasterArt::pictures()
{
    BlasterPictures pictures;
    pictures.background = maskOf(space_);
    pictures.letter = [this](const QString& caption, bool large) -> const Mask& { return letter(caption, large); };
    pictures.bases = bases_;
    pictures.ship = ship_;
    pictures.ufo = ufo_;
    pictures.explosion = explosions_.back();
    return pictures;
}

const Mask& BlasterArt::letter(const QString& caption, bool large)
{
    auto& slot = letters_[{caption, large}];
    if (!slot) {
        QImage image(layout::kInvaderWidth, layout::kInvaderHeight, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QFont font(QStringLiteral("Arial"));
        font.setBold(true);
        font.setPixelSize(large ? 32 : 24);  // 24 and 18 points at 96 dots per inch
        font.setStyleStrategy(QFont::NoAntialias);
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(QColor(0, 255, 0));
        painter.drawText(image.rect(), Qt::AlignLeft | Qt::AlignTop, caption);
        painter.end();
        slot = std::make_unique<Mask>(maskOf(image));
    }
    return *slot;
}

QImage BlasterArt::image(const Mask& mask)
{
    return QImage(reinterpret_cast<const uchar*>(mask.pixels.data()), mask.width, mask.height, mask.width * 4,
                  QImage::Format_ARGB32);
}

Mask BlasterArt::maskOf(const QImage& source)
{
    const QImage picture = source.convertToFormat(QImage::Format_ARGB32);
    Mask mask(picture.width(), picture.height());
    for (int y = 0; y < picture.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            mask.set(x, y, qAlpha(line[x]) >= 0x80 ? (line[x] | 0xFF000000u) : kNone);
    }
    return mask;
}

}  // namespace blaster
