#include "main/core/startup/Folders.h"

#include "main/core/startup/FolderProcedures.h"
#include "main/core/shared/TempPath.h"
#include "platform/files/Paths.h"

#include <QFileInfo>

namespace startup {

FolderServices systemFolderServices()
{
    return FolderServices{Folder_Is_Read_Only, Get_Application_Data_Folder, shared::Get_Temp_Path,
                          Copy_Folder};
}

void Set_Paths(ProgramFolders& folders, const QString& programDir, const QString& subjectsFolderName,
               const QString& customFolderName, const QString& productTitle,
               const FolderServices& services)
{
    folders.programDir = platform::withTrailingSlash(programDir);
    // The folders under the program folder come first, so they are known even
    // when finding the data folder fails.
    folders.installedSubjectsDir = folders.programDir + subjectsFolderName + '/';
    folders.activitiesDir = folders.programDir + "Activities/";
    const bool readOnly = services.folderIsReadOnly(folders.programDir);
    if (readOnly) {
        const QString appData = services.applicationDataFolder();
        folders.dataDir = appData.isEmpty() ? services.tempPath() + productTitle + '/'
                                            : platform::withTrailingSlash(appData) + productTitle + '/';
    } else {
        folders.dataDir = folders.programDir;
    }
    folders.virtualSubjectsDir = folders.dataDir + customFolderName + '/';

    if (!readOnly) return;
    platform::createFolder(folders.dataDir);  // one level: its parent is the per-user folder
    // The copy appears under its final name only when complete, so a copy cut
    // short on an earlier run is simply made again.
    if (!QFileInfo(folders.dataDir + customFolderName).isDir())
        services.copyFolder(folders.programDir + customFolderName, folders.dataDir + customFolderName);
}

}  // namespace startup
