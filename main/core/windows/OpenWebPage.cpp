#include "main/core/windows/OpenWebPage.h"

#include "main/core/shared/AppFolder.h"
#include "main/core/shared/Online.h"
#include "main/core/shared/Wait.h"
#include "main/core/startup/ModMain.h"
#include "main/core/windows/frmMsgBox.h"
#include "platform/net/Browser.h"

#include <QPointer>
#include <QUrl>

using startup::modMain;

void Open_Web_Page(const QString& page)
{
    const QString webBase = modMain.gCaptions[caption::WebBase];
    QPointer<frmMsgBox> box = new frmMsgBox;
    box->setHeightTwips(2000);
    box->setMessageFontSize(10);
    box->setMessage("Connecting to " + webBase + '\n' + page);
    box->showModeless();

    shared::Wait(1);

    if (shared::Is_Connected())
        platform::openUrl(QUrl(webBase + page));
    else
        platform::openUrl(QUrl::fromLocalFile(shared::App_Folder() + modMain.gCaptions[caption::OfflinePageName]));

    if (box) box->close();
}
