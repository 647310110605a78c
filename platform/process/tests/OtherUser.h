#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Tests of read-only folders and stores: root writes anywhere, so when the tests
// run as root the subject runs as "nobody"; any other user is refused by the
// permissions already and runs the subject directly.
namespace platform::testutil {

struct ProgramResult {
    bool finished = false;  // false: could not start, or killed at the time limit
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Gives other users read and search access to each folder from path up to (and
// including) the test's sandbox, which is private to its owner.
void openToOtherUsers(const QString& path);

ProgramResult runProgram(const QString& program, const QStringList& arguments, int timeoutMs = 20000);

// Runs program as uid/gid 65534 with no extra groups when this process is root.
ProgramResult runAsOtherUser(const QString& program, const QStringList& arguments,
                             int timeoutMs = 20000);

}  // namespace platform::testutil
