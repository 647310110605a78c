#pragma once

// Keeps the best ten results of each (activity, subject) group in the user
// store. Number scores rank highest first, elapsed times lowest first; among
// equal results the row with the higher pkScoreID ranks lower, and a row
// without a score ranks below every other.
#include "activities/framework/scores/ScoreRow.h"
#include "platform/store/Store.h"

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace scores {

inline constexpr int kKeptResults = 10;

// Whose result it is and which group it belongs to.
struct ScoreEntry {
    QString userName;  // stored as tName; plays no part in the grouping
    QString subject;   // tSubject
    QString activity;  // tActivity
};

struct SaveOutcome {
    std::optional<std::int64_t> newRowId;  // the row added or overwritten; none when not kept
    std::vector<ScoreRow> rows;            // the whole group, best first, after the save
};

using Clock = std::function<QDateTime()>;
QDateTime systemClock();

// Adds the result while the group holds fewer than ten rows; otherwise it
// overwrites the lowest-ranked row when it is not worse than that row, and is
// not kept when it is worse. Deciding and writing are one immediate
// transaction, so programs saving at the same time wait for each other (as
// long as the connection's busy timeout, or the caller's retries, allow) and a
// group never grows past ten rows.
// Throws platform::StoreException when the store fails; nothing is kept then.
SaveOutcome saveNumberScore(platform::Store& userStore, const ScoreEntry& entry, std::int64_t score,
                            const Clock& clock = systemClock);

// elapsed must read "HH:MM:SS" (two digits each); any other text throws
// std::invalid_argument and nothing is stored.
SaveOutcome saveTimeScore(platform::Store& userStore, const ScoreEntry& entry, const QString& elapsed,
                          const Clock& clock = systemClock);

}  // namespace scores
