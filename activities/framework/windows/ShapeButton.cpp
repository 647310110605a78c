#include "activities/framework/windows/ShapeButton.h"

#include "activities/framework/windows/ButtonCaption.h"
#include "activities/framework/windows/FrameworkPictures.h"
#include "platform/ui/Colors.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace activity {

namespace {

constexpr int kActiveTitleBar = 2;  // system colour index of the active title bar

// What screen readers see of a ShapeButton: a button named by its caption
// without line breaks, that their press action clicks.
class ShapeButtonAccessible : public QAccessibleWidget {
public:
    explicit ShapeButtonAccessible(ShapeButton* button) : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return spokenCaption(button()->text());
        return QAccessibleWidget::text(kind);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction() && button()->isEnabled()) button()->click();
    }

private:
    ShapeButton* button() const { return static_cast<ShapeButton*>(widget()); }
};

QAccessibleInterface* shapeButtonAccessible(const QString& className, QObject* object)
{
    auto* button = qobject_cast<ShapeButton*>(object);
    if (className == QLatin1String("activity::ShapeButton") && button) return new ShapeButtonAccessible(button);
    return nullptr;
}

}  // namespace

ShapeButton::ShapeButton(QWidget* parent) : QAbstractButton(parent)
{
    static const bool accessibleInstalled = [] {
        QAccessible::installFactory(shapeButtonAccessible);
        return true;
    }();
    Q_UNUSED(accessibleInstalled);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    QFont bold = font();
    bold.setBold(true);
    bold.setPointSize(11);
    setFont(bold);
}

QColor ShapeButton::fillColor() const
{
    return down_ ? platform::ui::qbColor(0) : platform::ui::systemColor(kActiveTitleBar);
}

QSize ShapeButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    return QSize(metrics.horizontalAdvance(text().trimmed()) + 48, metrics.height() * 2 + 12);
}

void ShapeButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF face = QRectF(rect()).adjusted(1, 1, -1, -1);
    const QColor fill = fillColor();
    painter.setPen(QPen(fill.darker(125), 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(face, 8, 8);
    if (hasFocus()) {
        painter.setPen(QPen(QColor(255, 255, 255, 170), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(face.adjusted(3, 3, -3, -3), 6, 6);
    }
    // The text is shown as given; the leading line break of the callers only
    // places it, so it is dropped and the text centred on the face.
    painter.setPen(fill.lightness() > 150 ? QColor(20, 20, 20) : QColor(Qt::white));
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, text().trimmed());
}

void ShapeButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    down_ = true;
    playClick();
    update();
    QAbstractButton::mousePressEvent(event);
}

void ShapeButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !down_) return;
    down_ = false;
    playClick();
    update();
    QAbstractButton::mouseReleaseEvent(event);
}

void ShapeButton::keyPressEvent(QKeyEvent* event)
{
    // Enter presses it as Space does (QAbstractButton handles Space itself).
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        playClick();
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

}  // namespace activity
