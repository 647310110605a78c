// Runs one file operation in a separate process, as the tests' other user or as
// a second program of the same user, and reports the outcome on stdout.
#include "platform/files/FileCopy.h"
#include "platform/files/FileError.h"
#include "platform/files/Paths.h"
#include "platform/files/TempFolder.h"

#include <cstdio>

namespace {

const char* kindName(platform::FileErrorKind kind)
{
    switch (kind) {
    case platform::FileErrorKind::Exists: return "exists";
    case platform::FileErrorKind::NotFound: return "not found";
    case platform::FileErrorKind::Permission: return "permission";
    case platform::FileErrorKind::NotSafe: return "not safe";
    case platform::FileErrorKind::Other: break;
    }
    return "other";
}

void say(const QString& text) { std::printf("%s\n", text.toUtf8().constData()); }

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) return 64;
    const QString command = QString::fromUtf8(argv[1]);
    const QString first = argc > 2 ? QString::fromUtf8(argv[2]) : QString();
    const QString second = argc > 3 ? QString::fromUtf8(argv[3]) : QString();
    try {
        if (command == "tempfolder") say(platform::tempFolder());
        else if (command == "writable") say(platform::folderIsWritable(first) ? "yes" : "no");
        else if (command == "copy") platform::copyFile(first, second), say("copied");
        else if (command == "copyfolder") platform::copyFolder(first, second), say("copied");
        else return 64;
    } catch (const platform::FileError& e) {
        std::printf("%s\n%s\n", kindName(e.kind()), e.what());
        return 1;
    }
    return 0;
}
