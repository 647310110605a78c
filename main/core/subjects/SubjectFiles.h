#pragma once

#include "main/core/subjects/SubjectContext.h"

#include <QStringList>

namespace subjects {

// The installed subject stores ("*." + extension in the subjects folder) and the
// custom subject stores ("*.v" + extension in the custom-subjects folder): file
// names without folder, the extension matched and the names sorted ignoring
// letter case. A missing folder lists nothing.
QStringList installedSubjectFiles(const SubjectSettings& settings);
QStringList customStoreFiles(const SubjectSettings& settings);

// The folder name of a custom store file: the file name less ".v" and the extension.
QString customFolderName(const QString& storeFile);

}  // namespace subjects
