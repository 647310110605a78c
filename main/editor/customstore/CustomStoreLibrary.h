#pragma once

#include "main/core/startup/CaptionRows.h"
#include "main/core/subjects/CustomStoreReader.h"
#include "main/editor/customstore/StoreResult.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <vector>

namespace platform {
class FileError;
}

namespace customstore {

using subjects::CustomGroup;
using subjects::CustomPhrase;

struct CustomStoreSettings {
    QString customSubjectsDir;     // the custom subject stores; ends in "/"
    QString installedSubjectsDir;  // the installed subject stores; ends in "/"
    QString programDir;            // holds the template "custom.tpl"; ends in "/"
    QString languageCode;          // e.g. "fre": stores are named <folder>.v<code>
    std::function<QString(caption::Row row)> caption;  // the main program's caption table
};

// A phrase of an installed subject, as the editor hands it over.
struct InstalledPhrase {
    QString subjectFile;       // the installed subject store's file name
    std::int64_t phraseNo = 0; // its pkPhraseNo there
    QString phrase;
    QString translation;
    QString translation2;
};

struct CopiedSubject {
    std::int64_t groupKey = 0;
    std::vector<CustomPhrase> phrases;  // the new custom phrases, in the installed store's order
};

// Every change of the custom subject stores: new, renamed and deleted stores
// ("folders"), custom subjects ("groups") and custom phrases. Each operation opens
// its store, works and closes it before it returns; a change of several rows is
// one transaction, a rename of a store one atomic rename that never replaces a
// file. Keys are never handed out twice. A refusal or failure leaves stores and
// files as they were.
class CustomStoreLibrary {
public:
    explicit CustomStoreLibrary(CustomStoreSettings settings);

    static constexpr int kMaxPhrasesPerSubject = 10;

    // The store file of a folder name (<folder>.v<code>) and the other way round.
    QString storeFileName(const QString& folderName) const;
    static QString folderNameOf(const QString& storeFile);
    // The store files of the custom-subjects folder, in name order.
    QStringList storeFiles() const;

    // Stores.
    QString uniqueNewStoreName() const;
    Result<QString> newStore(const QString& folderName);  // gives the new store file name
    // Applies the rename rules to the typed name; gives the new store file name.
    Result<QString> renameStore(const QString& oldFolderName, const QString& typedName);
    Result<> deleteStore(const QString& folderName);

    // Custom subjects.
    Result<std::int64_t> newSubject(const QString& folderName, const QString& name);
    Result<> renameSubject(const QString& folderName, std::int64_t groupKey, const QString& typedName);
    Result<> deleteSubject(const QString& folderName, std::int64_t groupKey);
    Result<CopiedSubject> copySubject(const QString& folderName, const QString& title,
                                      const QString& installedFile);

    // Custom phrases.
    Result<std::int64_t> copyPhrase(const QString& folderName, std::int64_t groupKey,
                                    const InstalledPhrase& phrase);
    Result<> deletePhrase(const QString& folderName, std::int64_t phraseKey);

    // Reading.
    Result<std::vector<CustomGroup>> readSubjects(const QString& folderName) const;
    Result<std::vector<CustomPhrase>> readPhrases(const QString& folderName, std::int64_t groupKey) const;

private:
    QString storePath(const QString& folderName) const;
    QString caption(caption::Row row) const;
    template <typename T>
    Result<T> refuse(caption::Row captionRow) const { return Result<T>::refused(captionRow, caption(captionRow)); }
    // Why a typed folder name may not become a store's name; None when it may.
    caption::Row folderNameRefusal(const QString& name) const;
    Result<QString> fileRefusalOrFailure(const platform::FileError& error) const;

    CustomStoreSettings settings_;
};

}  // namespace customstore
