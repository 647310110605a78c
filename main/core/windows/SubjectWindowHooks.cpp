#include "main/core/windows/SubjectWindowHooks.h"

#include "main/core/shared/Wait.h"
#include "main/core/startup/ErrorTrap.h"
#include "main/core/windows/OpenWebPage.h"
#include "main/core/windows/frmMsgBox.h"

#include <QCoreApplication>

subjects::SubjectHooks subjectWindowHooks(WaitBox& waitBox, std::function<void(bool enabled)> setWindowEnabled)
{
    subjects::SubjectHooks hooks;
    hooks.messageBox = [](const platform::ui::MessageRequest& box) {
        return platform::ui::showMessage(box.text, box.icon, box.buttons, box.title);
    };
    hooks.errorBox = [](const QString& procedure, const QString& error) {
        startup::showProcedureError(procedure, error);
    };
    hooks.openWebPage = [](const QString& page) { Open_Web_Page(page); };
    hooks.messageWindowText = setShownMessageWindowsText;
    hooks.processEvents = [] { QCoreApplication::processEvents(); };
    hooks.setMainWindowEnabled = std::move(setWindowEnabled);
    hooks.showWaitBox = [&waitBox](const QString& title, const QString& text, int heightTwips) {
        waitBox.show(title, text, heightTwips);
    };
    hooks.setWaitBoxText = [&waitBox](const QString& text) { waitBox.setText(text); };
    hooks.closeWaitBox = [&waitBox] { waitBox.close(); };
    hooks.wait = [](int seconds) { shared::Wait(seconds); };
    return hooks;
}
