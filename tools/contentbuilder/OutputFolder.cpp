#include "OutputFolder.h"

#include "AtomicFile.h"
#include "ContentError.h"
#include "platform/store/Store.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace contentbuilder {

OutputFolder::OutputFolder(QString root, QString manifestPath, QString builderFingerprint)
    : root_(std::move(root)), manifestPath_(std::move(manifestPath)),
      builderFingerprint_(std::move(builderFingerprint)), previous_(Manifest::load(manifestPath_))
{
    prepareFolder(".");
}

void OutputFolder::prepareFolder(const QString& relative)
{
    const QString folder = QDir::cleanPath(path(relative));
    if (!QDir().mkpath(folder)) throw ContentError(folder, "the folder cannot be created");
    removeLeftoverTemporaries(folder);
}

QString OutputFolder::fingerprint(const QStringList& inputFiles) const
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(builderFingerprint_.toUtf8());
    for (const QString& input : inputFiles) {
        const QString digest = fileDigest(input);
        if (digest.isEmpty()) throw ContentError(input, "cannot be read");
        hash.addData(QString(input + "\n" + digest + "\n").toUtf8());
    }
    return hash.result().toHex();
}

QString OutputFolder::writeTemporary(const QString& target, const Writer& write) const
{
    const QString temporary = temporarySibling(target);
    QFile::remove(temporary);
    try {
        write(temporary);
    } catch (...) {
        QFile::remove(temporary);
        QFile::remove(platform::Store::journalPath(temporary));
        throw;
    }
    return temporary;
}

void OutputFolder::make(const QString& relative, const QStringList& inputFiles, const Writer& write)
{
    const QString target = path(relative);
    const QString inputs = fingerprint(inputFiles);
    const auto earlier = previous_.files.find(relative);
    if (earlier != previous_.files.end() && earlier->second.inputs == inputs && QFileInfo(target).isFile()) {
        current_.files[relative] = earlier->second;
        ++upToDate_;
        return;
    }
    placeFile(writeTemporary(target, write), target, Placement::Replace);
    current_.files[relative] = {inputs, fileDigest(target)};
    ++made_;
}

namespace {

// The manifest entry of a file handed over to the learner: its empty digest never
// matches a file's, so it is never removed as stale.
const ManifestEntry kHandedOver{QStringLiteral("handed over"), QString()};

}  // namespace

void OutputFolder::makeIfMissing(const QString& relative, const Writer& write)
{
    const QString target = path(relative);
    // Once made, the file is the learner's: one they deleted or renamed stays so.
    const auto earlier = previous_.files.find(relative);
    const bool handedOver = earlier != previous_.files.end() && earlier->second.inputs == kHandedOver.inputs;
    current_.files[relative] = kHandedOver;
    if (handedOver || QFileInfo::exists(target)) {
        ++upToDate_;
        return;
    }
    if (placeFile(writeTemporary(target, write), target, Placement::KeepExisting)) ++made_;
}

void OutputFolder::finish()
{
    for (const auto& [relative, entry] : previous_.files) {
        if (current_.files.count(relative)) continue;
        const QString target = path(relative);
        if (QFileInfo(target).isFile() && fileDigest(target) == entry.written && QFile::remove(target)) ++removed_;
    }
    current_.save(manifestPath_);
}

}  // namespace contentbuilder
