#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// A file list of the main window: the names a lister finds in one folder, as of
// the last refresh.
class FileList {
public:
    using Lister = std::function<QStringList(const QString& folder)>;

    explicit FileList(Lister lister) : lister_(std::move(lister)) {}

    void setPath(const QString& folder) { path_ = folder; }
    const QString& path() const { return path_; }

    // Reads the folder again; a missing folder lists nothing.
    void refresh();

    const QStringList& entries() const { return entries_; }
    int listCount() const { return static_cast<int>(entries_.size()); }

private:
    Lister lister_;
    QString path_;
    QStringList entries_;
};
