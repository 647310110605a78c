// What a successful sign-in changes on the main window.
#include "main/core/app/frmMain.h"

#include "platform/ui/EndProgram.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

void frmMain::setAdministratorCommandsEnabled(bool enabled)
{
    btnAdmin->setEnabled(enabled);
    mnuOption->setEnabled(enabled);
}

void frmMain::setPhraseMenuCaptions(const QString& edit, const QString& listen)
{
    mnuEdit->setText(edit);
    mnuListenToPhrase->setText(listen);
}

void frmMain::setWelcome(const QString& text)
{
    QFont font = lblMsg->font();
    font.setPointSize(12);
    lblMsg->setFont(font);
    lblMsg->setText(text);
}

void frmMain::setTitle(const QString& title)
{
    setWindowTitle(title);
}

// The message ticker starts here once it exists.
void frmMain::showSignedIn()
{
    show();
    raise();
    activateWindow();
}

void frmMain::unloadAndEnd()
{
    Form_Unload();
}
