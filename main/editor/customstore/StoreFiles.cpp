// The store files themselves: naming, listing, creating, renaming, deleting.
#include "main/editor/customstore/CustomStoreLibrary.h"

#include "main/core/subjects/SubjectFiles.h"
#include "main/editor/customstore/StoreNames.h"
#include "platform/files/FileCopy.h"
#include "platform/files/FileError.h"
#include "platform/files/Paths.h"
#include "platform/files/Rename.h"
#include "platform/store/Store.h"

#include <QFile>

namespace customstore {

namespace {
const QString kTemplateFile = QStringLiteral("custom.tpl");

subjects::SubjectSettings listingSettings(const CustomStoreSettings& settings)
{
    subjects::SubjectSettings listing;
    listing.virtualSubjectsDir = settings.customSubjectsDir;
    listing.languageCode = settings.languageCode;
    return listing;
}

// Rolls back a write that a killed program left in the store's journal, so that
// the store can be moved on its own. Gives the failure text, or "" when settled.
QString settle(const QString& path)
{
    try {
        platform::Store store = platform::Store::open(path, platform::OpenMode::ReadWrite);
        store.query(QStringLiteral("SELECT count(*) FROM sqlite_master"));
    } catch (const platform::StoreException& error) {
        // Only a store that another program is writing right now must stay put.
        if (error.code() == platform::StoreError::Busy) return error.text();
    }
    return QString();
}
}  // namespace

CustomStoreLibrary::CustomStoreLibrary(CustomStoreSettings settings) : settings_(std::move(settings)) {}

QString CustomStoreLibrary::caption(caption::Row row) const
{
    return settings_.caption ? settings_.caption(row) : QString();
}

QString CustomStoreLibrary::storeFileName(const QString& folderName) const
{
    return folderName + ".v" + settings_.languageCode;
}

QString CustomStoreLibrary::folderNameOf(const QString& storeFile)
{
    return subjects::customFolderName(storeFile);
}

QString CustomStoreLibrary::storePath(const QString& folderName) const
{
    return settings_.customSubjectsDir + entryNamed(settings_.customSubjectsDir, storeFileName(folderName));
}

QStringList CustomStoreLibrary::storeFiles() const
{
    return subjects::customStoreFiles(listingSettings(settings_));
}

QString CustomStoreLibrary::uniqueNewStoreName() const
{
    QStringList folderNames;
    for (const QString& file : storeFiles()) folderNames << folderNameOf(file);
    return uniqueStoreName(caption(caption::NewFolder), folderNames, [this](const QString& name) {
        return nameTaken(settings_.customSubjectsDir, storeFileName(name));
    });
}

// A file that appeared under the new name meanwhile is the same refusal as one
// that was there before; anything else is a failure.
Result<QString> CustomStoreLibrary::fileRefusalOrFailure(const platform::FileError& error) const
{
    if (error.kind() == platform::FileErrorKind::Exists) return refuse<QString>(caption::FolderNameTaken);
    return Result<QString>::failed(error.text());
}

caption::Row CustomStoreLibrary::folderNameRefusal(const QString& name) const
{
    if (name.trimmed().isEmpty()) return caption::TypeAName;
    if (!platform::isSafeFileName(name)) return caption::UnsafeName;
    if (nameTaken(settings_.customSubjectsDir, storeFileName(name))) return caption::FolderNameTaken;
    return caption::None;
}

Result<QString> CustomStoreLibrary::newStore(const QString& folderName)
{
    if (const caption::Row refusal = folderNameRefusal(folderName)) return refuse<QString>(refusal);
    const QString file = storeFileName(folderName);
    try {
        platform::copyFile(settings_.programDir + kTemplateFile, settings_.customSubjectsDir + file);
    } catch (const platform::FileError& error) {
        return fileRefusalOrFailure(error);
    }
    return Result<QString>::ok(file);
}

Result<QString> CustomStoreLibrary::renameStore(const QString& oldFolderName, const QString& typedName)
{
    if (const caption::Row refusal = folderNameRefusal(typedName)) return refuse<QString>(refusal);
    const QString from = storePath(oldFolderName);
    const QString file = storeFileName(typedName);
    if (const QString busy = settle(from); !busy.isEmpty()) return Result<QString>::failed(busy);
    try {
        platform::renameNoReplace(from, settings_.customSubjectsDir + file);
    } catch (const platform::FileError& error) {
        return fileRefusalOrFailure(error);
    }
    return Result<QString>::ok(file);
}

Result<> CustomStoreLibrary::deleteStore(const QString& folderName)
{
    const QString path = storePath(folderName);
    QFile store(path);
    if (!store.exists())
        return Result<>::failed(QStringLiteral("The folder store %1 does not exist.").arg(path));
    if (!store.remove())
        return Result<>::failed(QStringLiteral("The folder store %1 could not be deleted: %2")
                                    .arg(path, store.errorString()));
    // A journal left behind would otherwise be applied to a later store of that name.
    QFile::remove(platform::Store::journalPath(path));
    return Result<>::ok();
}

}  // namespace customstore
