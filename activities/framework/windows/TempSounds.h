#pragma once

#include <QString>

#include <cstdint>

namespace activity {

// Deletes the activity's sound copies "~dvl<activityPid><i>.wav" (i = 1 to
// phraseCount) in the temporary folder. A copy that is missing or cannot be
// deleted is passed over silently. Other programs' files are never touched.
void Delete_Temp_Sounds(const QString& tempFolder, std::int64_t activityPid, int phraseCount);

}  // namespace activity
