#include "activities/drills/08spotter/window/SpotterCard.h"

#include "activities/drills/08spotter/rules/SpotterLayout.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Twips.h"

#include <QMouseEvent>
#include <QPainter>

namespace spotter {

namespace {

// Colour numbers (&HBBGGRR) of the card's parts.
constexpr quint32 kFaceColour = 0x0000C0;
constexpr quint32 kHeldFaceColour = 0x000000;
constexpr quint32 kShadowColour = 0x404080;
constexpr quint32 kFrameColour = 0xC0C0FF;

// The widget spans the frame's corner to the shadow's far corner.
QRect widgetTwips() { return layout::kFrame.united(layout::kShadow); }

QRect localPixels(const QRect& twips)
{
    return platform::ui::twipsToPixels(twips.translated(-widgetTwips().topLeft()));
}

}  // namespace

SpotterCard::SpotterCard(QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    QFont font = this->font();
    font.setPointSize(12);
    font.setBold(true);
    setFont(font);
}

void SpotterCard::setCaption(const QString& caption)
{
    caption_ = caption;
    setAccessibleName(caption.trimmed());
    update();
}

QRect SpotterCard::faceRect() const { return localPixels(layout::kCard); }

QSize SpotterCard::sizeHint() const { return platform::ui::twipsToPixels(widgetTwips().size()); }

void SpotterCard::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const qreal radius = 8;
    painter.setBrush(platform::ui::colorFromNumber(kShadowColour));
    painter.drawRoundedRect(localPixels(layout::kShadow), radius, radius);
    painter.setBrush(platform::ui::colorFromNumber(kFrameColour));
    painter.drawRoundedRect(localPixels(layout::kFrame), radius, radius);
    painter.setBrush(platform::ui::colorFromNumber(isDown() ? kHeldFaceColour : kFaceColour));
    const QRect face = faceRect();
    painter.drawRect(face);
    if (hasFocus()) {
        painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(face.adjusted(3, 3, -4, -4));
    }
    // The caption's first line is empty; the translation is drawn in the middle.
    painter.setPen(Qt::white);
    painter.setFont(font());
    painter.drawText(face.adjusted(8, 4, -8, -4), Qt::AlignCenter | Qt::TextWordWrap, caption_.trimmed());
}

bool SpotterCard::hitButton(const QPoint& pos) const { return faceRect().contains(pos); }

void SpotterCard::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

}  // namespace spotter
