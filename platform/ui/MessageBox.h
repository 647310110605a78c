#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace platform::ui {

enum class MessageIcon { None, Critical, Exclamation, Information, Question };
enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// What a box shows. Texts are always shown as plain text.
struct MessageRequest {
    QString title;
    QString text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
};

// Shows a modal box and returns the button pressed. An empty title shows the
// application's display name. Escape and the close box answer Cancel or No
// where the box has them, else Ok.
MessageAnswer showMessage(const QString& text, MessageIcon icon = MessageIcon::None,
                          MessageButtons buttons = MessageButtons::Ok, const QString& title = {},
                          QWidget* parent = nullptr);

// The error box text: heading, a blank line, the procedure's name, ": " and the error.
QString errorBoxText(const QString& heading, const QString& procedure, const QString& error);

// The error box: critical icon, OK button, titled "ERROR" unless another title is given.
void showErrorBox(const QString& heading, const QString& procedure, const QString& error,
                  const QString& title = QStringLiteral("ERROR"), QWidget* parent = nullptr);

// Answers every box instead of showing it (tests); an empty handler restores the
// real boxes. The request's title is already resolved.
using MessageHandler = std::function<MessageAnswer(const MessageRequest&)>;
void setMessageHandler(MessageHandler handler);

}  // namespace platform::ui
