#include "main/core/update/UpdateCheck.h"

#include "main/core/shared/Online.h"
#include "platform/net/Browser.h"
#include "platform/ui/MessageBox.h"

#include <QFile>
#include <QUrl>

namespace update {

namespace {

// Reads the whole local copy and deletes it, whatever happens.
QByteArray takeLocalCopy(const QString& path)
{
    QByteArray content;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) content = file.readAll();
    file.close();
    QFile::remove(path);
    return content;
}

}  // namespace

bool Check_For_Update(const UpdateCheckSetup& setup)
{
    const QString localCopy = localCopyPath(setup.tempFolder, setup.now);
    if (!shared::Download_File(updateAddress(setup.webBase, setup.version), localCopy, setup.timeoutMs)) {
        QFile::remove(localCopy);
        return false;
    }
    const std::optional<UpdateNotice> notice = readLastLine(takeLocalCopy(localCopy));
    if (!notice) return false;

    using namespace platform::ui;
    const QString downloadPage = setup.webBase + setup.downloadPageName;
    const MessageAnswer answer = showMessage(notice->message + "\n\n" + setup.openPageQuestion, MessageIcon::None,
                                             MessageButtons::YesNo, setup.title);
    if (answer == MessageAnswer::Yes)
        platform::openUrl(QUrl(downloadPage));
    else
        showMessage(setup.downloadLater + ' ' + downloadPage, MessageIcon::None, MessageButtons::Ok, setup.title);
    return notice->mustClose();
}

}  // namespace update
