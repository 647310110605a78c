#include "activities/arcade/12slither/window/PauseForm.h"

#include "platform/ui/PlainLabel.h"

#include <QKeyEvent>
#include <QPainter>

namespace slither {

PauseForm::PauseForm(QWidget* parent)
    : FrameworkDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      Label1_(platform::ui::makePlainLabel(this, QStringLiteral("Label1"), 22, true, Qt::AlignCenter)),
      Label2_(platform::ui::makePlainLabel(this, QStringLiteral("Label2"), 13, true, Qt::AlignCenter))
{
    setObjectName(QStringLiteral("PauseForm"));
    Label2_->setWordWrap(true);
    setFixedSize(340, 150);
    layOut();
}

void PauseForm::setMessage(const QString& heading, const QString& line, const QString& tag)
{
    Label1_->setText(heading);
    Label2_->setText(line);
    tag_ = tag;
    setAccessibleName(heading);
}

void PauseForm::keyPressEvent(QKeyEvent* event)
{
    // A held key repeats: only a fresh press counts.
    if (event->isAutoRepeat())
        return;
    if (event->key() == Qt::Key_Escape) {
        if (!tag_.isEmpty())
            return;
        reject();
        emit escapePressed();
        return;
    }
    accept();
}

void PauseForm::paintEvent(QPaintEvent* event)
{
    FrameworkDialog::paintEvent(event);
    // The window has no frame of its own: a border sets it off from the board.
    QPainter painter(this);
    painter.setPen(QPen(QColor(0x2e, 0x7d, 0x32), 3));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
}

void PauseForm::layOut()
{
    Label1_->setGeometry(10, 18, width() - 20, 60);
    Label2_->setGeometry(10, 82, width() - 20, 50);
}

}  // namespace slither
