#pragma once

// Names and handling of the files a launch leaves in the private temporary
// folder. Every name carries the process id of the program that owns the file,
// so several running programs never collide:
//   the main program's study list  "~dvl<pid>.txt"
//   its phrase sounds              "~dvl<pid><slot>.wav"   (slot 1 to 10)
//   an activity's sound copies     "~dvl<activity pid><slot>.wav"
#include "common/studylist/StudyListFile.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace studylist {

QString studyListFileName(std::int64_t pid);
QString soundFileName(std::int64_t pid, int slot);

// Main program: writes one phrase's recording (a whole WAV file) to its sound file.
WriteResult writeSoundFile(const QString& path, const QByteArray& wav);

// Deletes the sound files of slots 1..phraseCount of pid in folder; a file that is
// missing or cannot be deleted is passed over.
void removeSoundFiles(const QString& folder, std::int64_t pid, int phraseCount);

// Main program: deletes the sound files of slots 1..phraseCount and the study
// list of pid in folder; a file that is missing or cannot be deleted is passed over.
void removeHandoffFiles(const QString& folder, std::int64_t pid, int phraseCount);

// Activity: copies each phrase's sound to the activity's own name in folder,
// replacing a file of that name, and points the phrase at its copy. A sound that
// cannot be copied leaves no file under the copy's name; playing it plays nothing.
void copySoundsForActivity(StudyList& list, const QString& folder, std::int64_t activityPid);

// Activity: reads the study list and makes the sound copies. When the list is
// refused, no copy is made.
ReadResult loadForActivity(const QString& path, const QString& folder, std::int64_t activityPid);

}  // namespace studylist
