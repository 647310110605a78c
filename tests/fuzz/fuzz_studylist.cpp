// Any file in the study list's place: the reader gives a list or a reason, never a crash.
#include "common/studylist/StudyListFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const QTemporaryDir folder;
    static const QString path = folder.filePath(QStringLiteral("list.txt"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    const studylist::ReadResult result = studylist::read(path);
    if (result.ok() == !result.error.isEmpty()) std::abort();  // exactly one of list and reason
    if (result.ok() && (result.list->phraseCount() < 1 || result.list->phraseCount() > 10)) std::abort();
    return 0;
}
