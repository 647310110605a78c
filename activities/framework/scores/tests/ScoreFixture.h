#pragma once

// A user store made in the test's sandbox, with helpers to fill a result group.
#include "activities/framework/scores/SaveScore.h"

#include <QString>

#include <optional>
#include <vector>

namespace scorestest {

// A fresh user store holding the empty user tables; returns its path.
QString makeUserStore(const QString& name = "Users.dat");

// Adds rows to a group in the given order (so their keys ascend); a missing
// value stores NULL. Returns their keys.
std::vector<std::int64_t> addNumberRows(platform::Store& store, const scores::ScoreEntry& group,
                                        const std::vector<std::optional<std::int64_t>>& scores);
std::vector<std::int64_t> addTimeRows(platform::Store& store, const scores::ScoreEntry& group,
                                      const std::vector<std::optional<QString>>& times);

}  // namespace scorestest
