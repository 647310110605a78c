#include "activities/framework/testkit/ActivityWindowTest.h"

#include "common/studylist/HandoffFiles.h"
#include "platform/ui/EndProgram.h"

#include "TestEnvironment.h"

namespace activitytest {

void ActivityWindowTest::SetUp()
{
    environment.tempFolder = testsupport::makeFolder("runtime-temp");
    environment.appFolder = testsupport::programDir() + "/Activities/";
    environment.pid = kActivityPid;
    userStore = makeUserStore(testsupport::makeFolder("data"));
    platform::ui::setEndFunction([this](int code) { endCodes.push_back(code); });
}

void ActivityWindowTest::TearDown() { platform::ui::setEndFunction({}); }

bool ActivityWindowTest::start(activity::ActivityWindow& window, int count)
{
    launch = writeLaunch(environment.tempFolder, count, userStore);
    return startOn(window);
}

bool ActivityWindowTest::start(activity::ActivityWindow& window, const QStringList& phrases)
{
    launch = writeLaunch(environment.tempFolder, phrases, userStore);
    return startOn(window);
}

bool ActivityWindowTest::startOn(activity::ActivityWindow& window)
{
    return window.Start_Activity({launch.studyListName}, environment);
}

QString ActivityWindowTest::copyPath(int slot) const
{
    return environment.tempFolder + studylist::soundFileName(kActivityPid, slot);
}

QStringList ActivityWindowTest::soundLines()
{
    return testsupport::soundRecord().split('\n', Qt::SkipEmptyParts);
}

}  // namespace activitytest
