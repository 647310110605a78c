#include "TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <unistd.h>

namespace testsupport {

QString sandboxDir() { return qEnvironmentVariable("DVL_TEST_SANDBOX"); }

QString makeFolder(const QString& name)
{
    const QString path = sandboxDir() + "/" + name;
    QDir().mkpath(path);
    return path.endsWith('/') ? path : path + "/";
}

QString writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write test file %s", qPrintable(path));
    return path;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
}

QString soundRecordFile() { return sandboxDir() + "/sound-record.txt"; }

QString soundRecord() { return QString::fromUtf8(readFile(soundRecordFile())); }

QString programDir() { return qEnvironmentVariable("DVL_PROGRAM_DIR"); }

QString sourceDir() { return qEnvironmentVariable("DVL_SOURCE_DIR"); }

QString captureStderr(const std::function<void()>& act)
{
    const QString path = makeFolder("stderr") + "captured.txt";
    std::fflush(stderr);
    const int saved = ::dup(STDERR_FILENO);
    FILE* capture = std::fopen(path.toLocal8Bit().constData(), "w");
    if (saved < 0 || !capture) qFatal("cannot capture the standard error stream");
    ::dup2(::fileno(capture), STDERR_FILENO);
    act();
    std::fflush(stderr);
    ::dup2(saved, STDERR_FILENO);
    ::close(saved);
    std::fclose(capture);
    return QString::fromUtf8(readFile(path));
}

}  // namespace testsupport
