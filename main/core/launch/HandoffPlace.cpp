#include "main/core/launch/HandoffPlace.h"

#include "common/studylist/HandoffFiles.h"
#include "main/core/shared/TempPath.h"

#include <QCoreApplication>

namespace launch {

QString HandoffPlace::studyListFile() const { return folder + studyListName(); }

QString HandoffPlace::studyListName() const { return studylist::studyListFileName(pid); }

QString HandoffPlace::soundFile(int slot) const { return folder + studylist::soundFileName(pid, slot); }

HandoffPlace HandoffPlace::ofThisProgram()
{
    return {shared::Get_Temp_Path(), QCoreApplication::applicationPid()};
}

void Delete_Handoff_Files()
{
    try {
        const HandoffPlace place = HandoffPlace::ofThisProgram();
        studylist::removeHandoffFiles(place.folder, place.pid, studylist::kMaxPhrases);
    } catch (...) {
        // Nothing to delete where no temporary folder can be had.
    }
}

}  // namespace launch
