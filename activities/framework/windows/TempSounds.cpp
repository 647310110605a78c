#include "activities/framework/windows/TempSounds.h"

#include "activities/framework/studylist/HandoffFiles.h"

#include <QFile>

namespace activity {

void Delete_Temp_Sounds(const QString& tempFolder, std::int64_t activityPid, int phraseCount)
{
    for (int i = 1; i <= phraseCount; ++i) {
        QFile::remove(tempFolder + studylist::soundFileName(activityPid, i));
    }
}

}  // namespace activity
