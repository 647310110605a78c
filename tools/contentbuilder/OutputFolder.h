#pragma once

#include "Manifest.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace contentbuilder {

// The program folder as the builder writes it. It makes only the files it owns and
// leaves every other file alone: the user store, custom stores, a learner's files.
// A file is rewritten only when what it is made from changed (so a phrase the
// administrator corrected survives a rebuild of unchanged content), and a file the
// builder made earlier but makes no longer is removed only when nobody changed it.
class OutputFolder {
public:
    // Writes a complete file at the temporary path it is given.
    using Writer = std::function<void(const QString& temporaryPath)>;

    OutputFolder(QString root, QString manifestPath, QString builderFingerprint);

    const QString& root() const { return root_; }
    QString path(const QString& relative) const { return root_ + "/" + relative; }

    // Creates a folder (relative to the root) when missing and clears what a killed
    // build left in it.
    void prepareFolder(const QString& relative);

    // Makes the file unless it exists and was made from the same inputs (the paths
    // of the content files it comes from).
    void make(const QString& relative, const QStringList& inputFiles, const Writer& write);

    // Makes the file only when no file of that name exists and it was never made in
    // this folder before; from then on it is the learner's (a shipped example custom
    // store), so a rebuild never brings back one the learner deleted or renamed.
    void makeIfMissing(const QString& relative, const Writer& write);

    // Removes stale files and saves the manifest.
    void finish();

    int made() const { return made_; }
    int upToDate() const { return upToDate_; }
    int removed() const { return removed_; }

private:
    QString fingerprint(const QStringList& inputFiles) const;
    QString writeTemporary(const QString& target, const Writer& write) const;

    QString root_;
    QString manifestPath_;
    QString builderFingerprint_;
    Manifest previous_;
    Manifest current_;
    int made_ = 0;
    int upToDate_ = 0;
    int removed_ = 0;
};

}  // namespace contentbuilder
