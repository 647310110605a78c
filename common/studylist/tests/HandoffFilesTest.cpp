#include "common/studylist/HandoffFiles.h"

#include "TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace studylist;
using testsupport::makeFolder;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

constexpr std::int64_t kMainPid = 5150;
constexpr std::int64_t kActivityPid = 6161;

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

QByteArray wav(int slot) { return "RIFF....WAVEfmt " + QByteArray(100 * slot, char('a' + slot)); }

// What the main program leaves for a launch: its study list and one sound per phrase.
StudyList launch(const QString& folder, int phraseCount)
{
    StudyList list;
    list.instanceHandle = QString::number(kMainPid);
    list.programCode = "dvlfre";
    list.subjectTitle = "Colours";
    list.userStorePath = folder + "Users.dat";
    for (int slot = 1; slot <= phraseCount; ++slot) {
        StudyPhrase phrase;
        phrase.number = slot;
        phrase.phrase = "rouge " + QString::number(slot);
        phrase.soundPath = folder + soundFileName(kMainPid, slot);
        EXPECT_TRUE(writeSoundFile(phrase.soundPath, wav(slot)).ok());
        list.phrases.push_back(phrase);
    }
    EXPECT_TRUE(write(folder + studyListFileName(kMainPid), list).ok());
    return list;
}

}  // namespace

TEST(HandoffFiles, NamesCarryTheOwnersProcessIdAndTheSlot)
{
    EXPECT_EQ(studyListFileName(4242), "~dvl4242.txt");
    EXPECT_EQ(soundFileName(4242, 3), "~dvl42423.wav");
    EXPECT_EQ(soundFileName(4242, 10), "~dvl424210.wav");
}

TEST(HandoffFiles, ActivityCopiesEachSoundUnderItsOwnNameAndLeavesTheMainFiles)
{
    const QString folder = makeFolder("private");
    launch(folder, 3);
    writeFile(folder + soundFileName(kActivityPid, 2), "stale copy from an earlier run");
    const QStringList mainFiles = filesIn(folder);

    const ReadResult result = loadForActivity(folder + studyListFileName(kMainPid), folder, kActivityPid);
    ASSERT_TRUE(result.ok()) << result.error.toStdString();

    ASSERT_EQ(result.list->phraseCount(), 3);
    for (int slot = 1; slot <= 3; ++slot) {
        const StudyPhrase& phrase = result.list->phrases[slot - 1];
        EXPECT_EQ(phrase.number, slot);
        EXPECT_EQ(phrase.soundPath, folder + soundFileName(kActivityPid, slot));
        EXPECT_EQ(readFile(phrase.soundPath), wav(slot));
        EXPECT_EQ(readFile(folder + soundFileName(kMainPid, slot)), wav(slot));
    }
    for (const QString& name : mainFiles) EXPECT_TRUE(QFile::exists(folder + name)) << name.toStdString();
}

TEST(HandoffFiles, SoundThatCannotBeCopiedLeavesNoFileUnderTheCopysName)
{
    const QString folder = makeFolder("private");
    launch(folder, 3);
    QFile::remove(folder + soundFileName(kMainPid, 2));
    writeFile(folder + soundFileName(kActivityPid, 2), "stale copy from an earlier run");

    const ReadResult result = loadForActivity(folder + studyListFileName(kMainPid), folder, kActivityPid);
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(result.list->phrases[1].soundPath, folder + soundFileName(kActivityPid, 2));
    EXPECT_FALSE(QFile::exists(folder + soundFileName(kActivityPid, 2)));
    EXPECT_EQ(readFile(folder + soundFileName(kActivityPid, 3)), wav(3));
}

TEST(HandoffFiles, RefusedListMakesNoCopies)
{
    const QString folder = makeFolder("private");
    launch(folder, 3);
    const QString listPath = folder + studyListFileName(kMainPid);
    QByteArray text = readFile(listPath);
    writeFile(listPath, text.left(text.size() - 10));  // cut inside the last phrase
    const QStringList before = filesIn(folder);

    const ReadResult result = loadForActivity(listPath, folder, kActivityPid);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(filesIn(folder), before);
}

TEST(HandoffFiles, TwoActivitiesOnOneListKeepSeparateCopies)
{
    const QString folder = makeFolder("private");
    launch(folder, 2);
    const QString listPath = folder + studyListFileName(kMainPid);
    ASSERT_TRUE(loadForActivity(listPath, folder, kActivityPid).ok());
    ASSERT_TRUE(loadForActivity(listPath, folder, kActivityPid + 1).ok());
    for (int slot = 1; slot <= 2; ++slot) {
        EXPECT_EQ(readFile(folder + soundFileName(kActivityPid, slot)), wav(slot));
        EXPECT_EQ(readFile(folder + soundFileName(kActivityPid + 1, slot)), wav(slot));
    }
}

TEST(HandoffFiles, RemovingALaunchDeletesItsSoundsAndListOnly)
{
    const QString folder = makeFolder("private");
    launch(folder, 4);
    writeFile(folder + soundFileName(kActivityPid, 1), "an activity's copy");
    writeFile(folder + soundFileName(kMainPid + 1, 1), "another main program's sound");
    QFile::remove(folder + soundFileName(kMainPid, 3));  // already gone: passed over

    removeHandoffFiles(folder, kMainPid, 4);
    EXPECT_EQ(filesIn(folder),
              (QStringList{soundFileName(kMainPid + 1, 1), soundFileName(kActivityPid, 1)}));

    removeHandoffFiles(folder, kMainPid, 4);  // nothing left to delete: no failure
}

TEST(HandoffFiles, SoundFileIsPrivateAndReplacesAPlantedLinkInsteadOfWritingThroughIt)
{
    const QString folder = makeFolder("private");
    const QString victim = writeFile(makeFolder("elsewhere") + "important.txt", "keep me");
    const QString path = folder + soundFileName(kMainPid, 1);
    ASSERT_TRUE(QFile::link(victim, path));

    ASSERT_TRUE(writeSoundFile(path, wav(1)).ok());
    EXPECT_EQ(readFile(victim), "keep me");
    EXPECT_FALSE(QFileInfo(path).isSymLink());
    EXPECT_EQ(readFile(path), wav(1));
    EXPECT_EQ(QFile::permissions(path) & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
              QFile::Permissions());
}
