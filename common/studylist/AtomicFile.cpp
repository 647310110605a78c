#include "common/studylist/AtomicFile.h"

#include "platform/files/FileCopy.h"
#include "platform/files/FileError.h"

namespace studylist {

WriteResult writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    try {
        platform::writeFileAtomically(path, bytes);
        return {};
    } catch (const platform::FileError& error) {
        return {error.text()};
    }
}

}  // namespace studylist
