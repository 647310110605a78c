#pragma once

#include "platform/ui/MessageBox.h"

#include <QMessageBox>
#include <QStringList>

#include <functional>

// What a real box showed.
struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;  // their texts without the '&', in the box's order
    Qt::TextFormat format = Qt::AutoText;
};

// Runs show, which puts up a real box; once the box is up, notes what it shows
// and then clicks the button with the given text, or presses Escape when the text
// is empty. Returns what show returned.
platform::ui::MessageAnswer showAndAnswer(const std::function<platform::ui::MessageAnswer()>& show,
                                          const QString& press, SeenBox& seen);
