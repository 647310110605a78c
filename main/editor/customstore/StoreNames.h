#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Name rules of custom subject stores. A store of folder name F is the file
// F + ".v" + extension in the custom-subjects folder. Names are compared ignoring
// letter case, as the file lists do, and "*" and "?" are plain characters.
namespace customstore {

// True when the folder holds an entry of that name, ignoring letter case.
bool nameTaken(const QString& folder, const QString& fileName);

// The folder's entry of that name: the exact one when present, else the one that
// differs only in letter case, else the name itself.
QString entryNamed(const QString& folder, const QString& fileName);

// The name for a new store: base when no store's folder name begins with it,
// otherwise base + " " + n for the first free n after the number of such stores.
QString uniqueStoreName(const QString& base, const QStringList& folderNames,
                        const std::function<bool(const QString&)>& taken);

}  // namespace customstore
