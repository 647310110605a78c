#include "platform/ui/MessageBox.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

namespace platform::ui {
namespace {

MessageHandler& installedHandler()
{
    static MessageHandler handler;
    return handler;
}

QMessageBox::Icon qtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

MessageAnswer runBox(const MessageRequest& request, QWidget* parent)
{
    QMessageBox box(qtIcon(request.icon), request.title, request.text, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    QAbstractButton* ok = nullptr;
    QAbstractButton* cancel = nullptr;
    QAbstractButton* yes = nullptr;
    QAbstractButton* no = nullptr;
    switch (request.buttons) {
    case MessageButtons::Ok:
        ok = box.addButton(QMessageBox::Ok);
        box.setEscapeButton(ok);
        break;
    case MessageButtons::OkCancel:
        ok = box.addButton(QMessageBox::Ok);
        cancel = box.addButton(QMessageBox::Cancel);
        box.setEscapeButton(cancel);
        break;
    case MessageButtons::YesNo:
        yes = box.addButton(QMessageBox::Yes);
        no = box.addButton(QMessageBox::No);
        box.setEscapeButton(no);
        break;
    }
    box.setDefaultButton(qobject_cast<QPushButton*>(ok ? ok : yes));
    box.exec();

    QAbstractButton* pressed = box.clickedButton();
    if (pressed && pressed == yes) return MessageAnswer::Yes;
    if (pressed && pressed == no) return MessageAnswer::No;
    if (pressed && pressed == ok) return MessageAnswer::Ok;
    if (cancel) return MessageAnswer::Cancel;
    return no ? MessageAnswer::No : MessageAnswer::Ok;
}

}  // namespace

MessageAnswer showMessage(const QString& text, MessageIcon icon, MessageButtons buttons, const QString& title,
                          QWidget* parent)
{
    const MessageRequest request{title.isEmpty() ? QGuiApplication::applicationDisplayName() : title, text, icon,
                                 buttons};
    if (const MessageHandler& handler = installedHandler())
        return handler(request);
    return runBox(request, parent);
}

QString errorBoxText(const QString& heading, const QString& procedure, const QString& error)
{
    return heading + QStringLiteral("\n\n") + procedure + QStringLiteral(": ") + error;
}

void showErrorBox(const QString& heading, const QString& procedure, const QString& error, const QString& title,
                  QWidget* parent)
{
    showMessage(errorBoxText(heading, procedure, error), MessageIcon::Critical, MessageButtons::Ok, title, parent);
}

void setMessageHandler(MessageHandler handler) { installedHandler() = std::move(handler); }

}  // namespace platform::ui
