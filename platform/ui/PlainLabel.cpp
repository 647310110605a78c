#include "platform/ui/PlainLabel.h"

namespace platform::ui {

PlainLabel::PlainLabel(QWidget* parent) : QLabel(parent) { setTextFormat(Qt::PlainText); }

PlainLabel::PlainLabel(const QString& text, QWidget* parent) : PlainLabel(parent) { setText(text); }

}  // namespace platform::ui
