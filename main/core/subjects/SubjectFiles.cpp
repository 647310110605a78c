#include "main/core/subjects/SubjectFiles.h"

#include "platform/files/FileLists.h"

namespace subjects {

QStringList installedSubjectFiles(const SubjectSettings& settings)
{
    return platform::filesWithExtension(settings.installedSubjectsDir, settings.languageCode);
}

QStringList customStoreFiles(const SubjectSettings& settings)
{
    return platform::filesWithExtension(settings.virtualSubjectsDir, "v" + settings.languageCode);
}

QString customFolderName(const QString& storeFile)
{
    return storeFile.chopped(std::min<qsizetype>(5, storeFile.size()));
}

}  // namespace subjects
