#pragma once

#include <QString>

#include <cstdint>

// Where this main program leaves the files it hands to activities: the suite's
// private temporary folder, with this process's id in every file name.
namespace launch {

struct HandoffPlace {
    QString folder;        // ends in "/"
    std::int64_t pid = 0;

    QString studyListFile() const;          // full path of "~dvl<pid>.txt"
    QString studyListName() const;          // the name alone: the activity's argument
    QString soundFile(int slot) const;      // full path of "~dvl<pid><slot>.wav"

    // This program's place. Throws platform::FileError when the folder is unsafe.
    static HandoffPlace ofThisProgram();
};

// Deletes this program's study list and its phrase sound files of slots 1 to 10,
// whatever the last launch wrote. Reports nothing: a file that is missing or
// cannot be deleted is passed over. Called before each launch, when the main
// window unloads, and when the administrator clears the user store.
void Delete_Handoff_Files();

}  // namespace launch
