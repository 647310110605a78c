#include "AtomicFile.h"

#include "ContentError.h"
#include "platform/files/FileError.h"
#include "platform/files/Rename.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace contentbuilder {

namespace {

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

}  // namespace

QString temporarySibling(const QString& target)
{
    const QFileInfo info(target);
    return info.dir().filePath(QString(kTemporaryPrefix) + QString::number(QCoreApplication::applicationPid()) +
                               "-" + info.fileName());
}

bool placeFile(const QString& temporary, const QString& target, Placement placement)
{
    const QByteArray from = QFile::encodeName(temporary);
    const QByteArray to = QFile::encodeName(target);
    if (placement == Placement::Replace) {
        if (std::rename(from.constData(), to.constData()) != 0)
            throw ContentError(target, "cannot be put in place: " + systemError());
        return true;
    }
    // Never replaces an existing name, so a file that appeared meanwhile (a learner's
    // own store) is left alone.
    try {
        platform::renameNoReplace(temporary, target);
        return true;
    } catch (const platform::FileError& error) {
        QFile::remove(temporary);
        if (error.kind() == platform::FileErrorKind::Exists) return false;
        throw ContentError(target, "cannot be put in place: " + error.text());
    }
}

void writeFileAtomically(const QString& target, const QByteArray& bytes)
{
    const QString temporary = temporarySibling(target);
    QFile file(temporary);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw ContentError(target, "cannot be written: " + file.errorString());
    const bool written = file.write(bytes) == bytes.size() && file.flush() && ::fsync(file.handle()) == 0;
    file.close();
    if (!written) {
        QFile::remove(temporary);
        throw ContentError(target, "cannot be written: " + file.errorString());
    }
    placeFile(temporary, target, Placement::Replace);
}

void removeLeftoverTemporaries(const QString& folder)
{
    const QDir dir(folder);
    const QStringList leftovers =
        dir.entryList({QString(kTemporaryPrefix) + "*"}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : leftovers) QFile::remove(dir.filePath(name));
}

}  // namespace contentbuilder
