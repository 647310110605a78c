#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace scores {

// One kept result of tblScores. A row holds a number score or a time score;
// either may be missing in a store edited by hand.
struct ScoreRow {
    std::int64_t id = 0;  // pkScoreID
    QString name;         // the learner's display name
    std::optional<std::int64_t> numberScore;
    std::optional<QString> textScore;  // elapsed time "HH:MM:SS"
    QString date;                      // "yyyy-MM-dd"
    QString time;                      // "HH:mm:ss"
    QString subject;
    QString activity;

    bool operator==(const ScoreRow&) const = default;
};

}  // namespace scores
