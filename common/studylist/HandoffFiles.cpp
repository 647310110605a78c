#include "common/studylist/HandoffFiles.h"

#include "common/studylist/AtomicFile.h"
#include "platform/files/FileCopy.h"
#include "platform/files/FileError.h"

#include <QFile>
#include <QFileInfo>

namespace studylist {

QString studyListFileName(std::int64_t pid)
{
    return QStringLiteral("~dvl%1.txt").arg(pid);
}

QString soundFileName(std::int64_t pid, int slot)
{
    return QStringLiteral("~dvl%1%2.wav").arg(pid).arg(slot);
}

WriteResult writeSoundFile(const QString& path, const QByteArray& wav)
{
    return writeFileAtomically(path, wav);
}

void removeSoundFiles(const QString& folder, std::int64_t pid, int phraseCount)
{
    for (int slot = 1; slot <= phraseCount; ++slot) QFile::remove(folder + soundFileName(pid, slot));
}

void removeHandoffFiles(const QString& folder, std::int64_t pid, int phraseCount)
{
    removeSoundFiles(folder, pid, phraseCount);
    QFile::remove(folder + studyListFileName(pid));
}

namespace {

// Only a regular file is copied: a path to a device or a pipe in the list would
// never end.
bool copyRegularFile(const QString& from, const QString& to)
{
    if (!QFileInfo(from).isFile()) return false;
    try {
        platform::copyFile(from, to, platform::Overwrite::Yes);
        return true;
    } catch (const platform::FileError&) {
        return false;
    }
}

}  // namespace

void copySoundsForActivity(StudyList& list, const QString& folder, std::int64_t activityPid)
{
    for (StudyPhrase& phrase : list.phrases) {
        const QString copy = folder + soundFileName(activityPid, phrase.number);
        // A copy left under this name by an earlier program must not play instead.
        if (!copyRegularFile(phrase.soundPath, copy)) QFile::remove(copy);
        phrase.soundPath = copy;
    }
}

ReadResult loadForActivity(const QString& path, const QString& folder, std::int64_t activityPid)
{
    ReadResult result = read(path);
    if (result.ok()) copySoundsForActivity(*result.list, folder, activityPid);
    return result;
}

}  // namespace studylist
