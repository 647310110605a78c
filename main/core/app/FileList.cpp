#include "main/core/app/FileList.h"

#include <QFileInfo>

void FileList::refresh()
{
    // A folder that is not there simply holds no files; other failures reach the caller.
    entries_ = QFileInfo(path_).isDir() ? lister_(path_) : QStringList();
}
