#include "main/core/startup/FolderProcedures.h"

#include "main/core/startup/ErrorTrap.h"
#include "platform/files/FileCopy.h"
#include "platform/files/Paths.h"
#include "platform/ui/MessageBox.h"

#include <QDir>
#include <QStandardPaths>

namespace startup {

namespace {

constexpr char kSupportAddress[] = "support@dravolin.example";

void reportMissingAppDataFolder()
{
    platform::ui::showMessage(QString("Please report the following message to %1:\n\n"
                                      "Error creating the APP DATA FOLDER. The App Data folder does not exist")
                                  .arg(kSupportAddress),
                              platform::ui::MessageIcon::None, platform::ui::MessageButtons::Ok);
}

}  // namespace

bool Folder_Is_Read_Only(const QString& folder) { return !platform::folderIsWritable(folder); }

QString Get_Application_Data_Folder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    while (folder.size() > 1 && folder.endsWith('/')) folder.chop(1);
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        reportMissingAppDataFolder();
        return {};
    }
    return folder;
}

void Copy_Folder(const QString& source, const QString& destination)
{
    runTrapped(QStringLiteral("Copy_Folder"), [&] { platform::copyFolder(source, destination); });
}

}  // namespace startup
