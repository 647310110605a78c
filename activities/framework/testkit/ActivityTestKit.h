#pragma once

// What tests of an activity need to start it as the main program does: a
// configuration store beside the program, a user store, and the main program's
// study list and phrase sounds in the temporary folder, written by the real writer.
#include "common/studylist/StudyList.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <map>
#include <set>

namespace activitytest {

inline constexpr std::int64_t kMainPid = 5150;

// Captions "<prefix> 1" .. "<prefix> count".
QStringList numberedCaptions(int count, const QString& prefix);

// Makes "<program>.cfg" in appFolder with the shipped layout: the caption rows
// (Spanish defaults to the English rows) and two small button pictures.
QString makeConfigStore(const QString& appFolder, const QString& program, const QStringList& english,
                        QStringList spanish = {});

// A small valid WAV file, different for each slot.
QByteArray tinyWav(int slot);

struct Launch {
    studylist::StudyList list;
    QString studyListName;  // the activity's one argument: "~dvl5150.txt"
    QString studyListPath;
};

// Writes the main program's files for a launch of phraseCount phrases
// ("phrase i", "translation i", "") into tempFolder; slots in silentSlots get
// no sound file. Phrases hold commas and quotes-free text, the subject "Colours".
Launch writeLaunch(const QString& tempFolder, int phraseCount, const QString& userStorePath,
                   const std::set<int>& silentSlots = {}, const QString& interfaceLanguage = "English");

// The same launch with these phrase texts in place of "phrase i".
Launch writeLaunch(const QString& tempFolder, const QStringList& phrases, const QString& userStorePath);

// "Users.dat" in folder, made from the built template as the main program makes it.
QString makeUserStore(const QString& folder);

// What is wrong with a shipped configuration store, one line per fault (none
// when it is sound): in English and in Spanish, every caption row from 2 to
// lastRow holds a text, and both button pictures are pictures no larger than the
// panel draws a button (2400 x 600 twips).
QStringList shippedConfigStoreProblems(const QString& storePath, int lastRow);

// Regular files in a folder (hidden ones included), by name.
QStringList filesIn(const QString& folder);

// Every regular file of the folder (as filesIn) with its bytes.
std::map<QString, QByteArray> fileContents(const QString& folder);

}  // namespace activitytest
