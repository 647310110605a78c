#include "activities/framework/windows/TempSounds.h"

#include "common/studylist/HandoffFiles.h"

namespace activity {

void Delete_Temp_Sounds(const QString& tempFolder, std::int64_t activityPid, int phraseCount)
{
    studylist::removeSoundFiles(tempFolder, activityPid, phraseCount);
}

}  // namespace activity
