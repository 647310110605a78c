#pragma once

// Storing a finished game's result and showing the kept results: the front of
// the top-ten rule of scores/ that every scoring activity calls.
#include "platform/random/RandomSource.h"
#include "activities/framework/windows/ScoreList.h"

#include <QString>

#include <cstdint>

namespace activity {

// Everything about the result but the score itself.
struct ScoreRequest {
    QString userStorePath;      // Users.dat named by the study list
    QString userName;           // stored as tName
    QString subject;            // tSubject; also shown
    QString activity;           // tActivity: caption 2; also shown
    QString top10Caption;       // the heading of the list
    QString beginCaption;       // the OK button's caption (shown after a line break)
    QString numberSuffix;       // appended to number score cells (" points", "%", or none)
    QString interfaceLanguage;  // for the built-in failure text
    bool centreWindow = true;   // false keeps the score window where it is made
    platform::RandomSource random01;  // exit direction
};

enum class SaveScoreResult {
    StoreMissing,  // no file at userStorePath: nothing stored, no window shown
    StoreFailed,   // the store could not be used, or stayed locked by another program
                   // (see UserStoreWait.h): a message was shown, nothing stored
    ProgramEnded,  // the program ended (a close, SIGTERM) while the store was locked: nothing
                   // stored, nothing shown
    Shown,         // the result was offered to the top ten and the list shown and closed
};

// Number variant: kept when the group has fewer than ten rows or the score is
// at least the lowest kept one. Date and time come from the active clock.
SaveScoreResult Save_Score(const ScoreRequest& request, std::int64_t score);

// Time variant: elapsed is "HH:MM:SS"; kept when not longer than the longest kept.
SaveScoreResult Save_Score(const ScoreRequest& request, const QString& elapsed);

}  // namespace activity
