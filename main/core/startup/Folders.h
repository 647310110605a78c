#pragma once

#include <QString>

#include <functional>

namespace startup {

// Where the main program's files live. Every value ends in "/".
struct ProgramFolders {
    QString programDir;            // the folder of the main program
    QString dataDir;               // the program folder when writable, else a per-user folder
    QString installedSubjectsDir;  // program folder + subjects folder name
    QString virtualSubjectsDir;    // data folder + custom-subjects folder name
    QString activitiesDir;         // program folder + "Activities/"
};

// What Set_Paths asks of the system; tests replace single members.
struct FolderServices {
    std::function<bool(const QString& folder)> folderIsReadOnly;
    std::function<QString()> applicationDataFolder;  // "" when there is none
    std::function<QString()> tempPath;               // ends in "/"
    std::function<void(const QString& source, const QString& destination)> copyFolder;
};

// The real services: Folder_Is_Read_Only, Get_Application_Data_Folder, the suite's
// temporary folder and Copy_Folder.
FolderServices systemFolderServices();

// Sets every member of `folders` first, then makes sure the data folder exists and,
// for a read-only program folder, copies the shipped custom subjects into it once.
// subjectsFolderName and customFolderName are captions 10 and 11. Throws
// platform::FileError when the data folder cannot be made (`folders` is set by
// then) or found (the program, subjects and Activities folders are set by then).
void Set_Paths(ProgramFolders& folders, const QString& programDir, const QString& subjectsFolderName,
               const QString& customFolderName, const QString& productTitle,
               const FolderServices& services = systemFolderServices());

}  // namespace startup
