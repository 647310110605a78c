#pragma once

// Reading an activity's configuration store "<program>.cfg", which ships beside
// the program in the Activities folder and is never written: tblCaptions (one
// row per caption, a column per interface language) and tblImages (row 1 the
// activity button's normal picture, row 2 its highlighted picture, a column per
// interface language). No widgets: the main program's activity panel uses it too.
#include "common/activityconfig/Captions.h"

#include <QByteArray>
#include <QString>

#include <stdexcept>

namespace activityconfig {

// Why a configuration store could not be read. text() is a short description
// of the failure ("The file ... cannot be opened", "Caption row 7 has no
// Spanish text", ...), fit for a message box title or an error line.
class ConfigError : public std::runtime_error {
public:
    explicit ConfigError(const QString& description);
    QString text() const { return QString::fromUtf8(what()); }
};

// "<program>.cfg": the store's file name for a program file name ("02studybook").
QString configStoreName(const QString& program);

// Captions 1..n of the language's column, in the store's row order. Throws
// ConfigError when the store is missing or not a store, the language is not an
// interface language, the table or column is missing, the table holds fewer
// rows than lastRow (the last row the program reads; a store of an older
// program), or a cell of that column holds no value (NULL). An empty text is an
// empty caption.
Captions readCaptions(const QString& storePath, const QString& interfaceLanguage, int lastRow = 1);

// The activity button's two pictures (whole picture files, PNG in the shipped
// stores) from the column of the interface language.
struct ButtonPictures {
    QByteArray normal;       // row 1
    QByteArray highlighted;  // row 2
};

// Throws ConfigError when the store cannot be read, the language is not an
// interface language, or either of the first two rows holds no picture.
ButtonPictures readButtonPictures(const QString& storePath, const QString& interfaceLanguage);

}  // namespace activityconfig
