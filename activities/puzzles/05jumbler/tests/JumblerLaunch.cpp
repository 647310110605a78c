#include "JumblerLaunch.h"

#include "common/studylist/StudyListFile.h"

#include "TestEnvironment.h"

#include <QFile>

#include <gtest/gtest.h>

namespace jumblertest {

QString activitiesFolder() { return testsupport::programDir() + "/Activities/"; }

activitytest::Launch writeLaunch(const QString& tempFolder, const QStringList& phrases, const QString& userStorePath)
{
    activitytest::Launch launch =
        activitytest::writeLaunch(tempFolder, static_cast<int>(phrases.size()), userStorePath);
    for (int i = 0; i < phrases.size(); ++i)
        launch.list.phrases[static_cast<std::size_t>(i)].phrase = phrases[i];
    EXPECT_TRUE(studylist::write(launch.studyListPath, launch.list).ok());
    return launch;
}

QString makeUserStore()
{
    static int made = 0;
    const QString path = testsupport::makeFolder(QString("users-%1").arg(++made)) + "Users.dat";
    EXPECT_TRUE(QFile::copy(testsupport::programDir() + "/Dravolin.tpl", path));
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return path;
}

}  // namespace jumblertest
