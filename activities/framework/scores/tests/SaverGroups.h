#pragma once

// The result groups that the saver processes of the concurrency tests write
// into, shared by the test and its helper program.
#include "activities/framework/scores/SaveScore.h"

#include <array>

namespace scorestest {

struct SaverGroup {
    scores::ScoreEntry entry;
    bool byTime;
};

inline const std::array<SaverGroup, 4> kSaverGroups{{
    {{"Ann Lee", "Animals", "Keytap"}, false},
    {{"Ann Lee", "Colours, basic", "Keytap"}, false},
    {{"Ann Lee", "Animals", "Studybook"}, true},
    {{"Ann Lee", "L'école", "Gridhunt"}, true},
}};

}  // namespace scorestest
