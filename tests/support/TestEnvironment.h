#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace testsupport {

// The fresh folder this test process got as its HOME (ends without "/").
QString sandboxDir();

// A new empty folder inside the sandbox, ending in "/".
QString makeFolder(const QString& name);

// Writes bytes to a file (creating parent folders); returns its path.
QString writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);

// Every entry of a folder, hidden ones included, in name order; empty when the
// folder is missing.
QStringList entries(const QString& folder);

// The file that the recording sound backend appends to in this process.
QString soundRecordFile();
// What the recording sound backend has written so far, one line per sound.
QString soundRecord();

// The program folder the build made and the source tree (DVL_PROGRAM_DIR and
// DVL_SOURCE_DIR; both end without "/").
QString programDir();
QString sourceDir();

// Runs act and returns what it wrote to the standard error stream (which is
// the stream's own again afterwards).
QString captureStderr(const std::function<void()>& act);

}  // namespace testsupport
