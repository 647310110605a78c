#include "OtherUser.h"

#include "TestEnvironment.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <sys/stat.h>
#include <unistd.h>

namespace platform::testutil {

void openToOtherUsers(const QString& path)
{
    const QString sandbox = QDir::cleanPath(testsupport::sandboxDir());
    QString folder = QDir::cleanPath(QFileInfo(path).isDir() ? path : QFileInfo(path).absolutePath());
    while (folder.startsWith(sandbox)) {
        struct stat info {};
        const QByteArray native = QFile::encodeName(folder);
        if (::stat(native.constData(), &info) == 0)
            ::chmod(native.constData(), (info.st_mode & 07777) | S_IROTH | S_IXOTH);
        if (folder == sandbox) break;
        folder = QFileInfo(folder).absolutePath();
    }
}

ProgramResult runProgram(const QString& program, const QStringList& arguments, int timeoutMs)
{
    ProgramResult result;
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted(timeoutMs)) return result;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(1000);
        return result;
    }
    result.finished = process.exitStatus() == QProcess::NormalExit;
    result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

ProgramResult runAsOtherUser(const QString& program, const QStringList& arguments, int timeoutMs)
{
    if (::geteuid() != 0) return runProgram(program, arguments, timeoutMs);
    QStringList setprivArguments{"--reuid=65534", "--regid=65534", "--clear-groups", "--", program};
    setprivArguments += arguments;
    return runProgram(QStringLiteral("setpriv"), setprivArguments, timeoutMs);
}

}  // namespace platform::testutil
