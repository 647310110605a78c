#include "platform/ui/LabelLook.h"

#include <QWidget>

namespace platform::ui {

void setUnderlined(QWidget* label, bool underlined)
{
    if (label->font().underline() == underlined) return;
    QFont font = label->font();
    font.setUnderline(underlined);
    label->setFont(font);
}

void setTextColour(QWidget* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

}  // namespace platform::ui
