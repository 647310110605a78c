#include "platform/process/Process.h"

#include <QProcess>

namespace platform {

namespace {

bool startReally(const QString& program, const QString& argument)
{
    return QProcess::startDetached(program, QStringList{argument});
}

ProcessStarter& currentStarter()
{
    static ProcessStarter starter = startReally;
    return starter;
}

}  // namespace

bool startDetached(const QString& program, const QString& argument)
{
    return currentStarter()(program, argument);
}

void setProcessStarter(ProcessStarter starter)
{
    currentStarter() = starter ? std::move(starter) : ProcessStarter(startReally);
}

}  // namespace platform
