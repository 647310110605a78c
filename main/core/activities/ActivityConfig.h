#pragma once

#include <QImage>
#include <QString>

// What the activity panel takes from an activity's configuration store
// "<program>.cfg" beside the program in the Activities folder: the button's two
// pictures and the activity's display name (caption row 2), read through the
// activity framework's configuration reader.
namespace activitypanel {

struct ActivityPictures {
    QImage normal;       // tblImages row 1
    QImage highlighted;  // tblImages row 2: the button under the pointer
};

// The store of a program: the Activities folder, the program's name up to its
// first ".", and ".cfg".
QString configStorePath(const QString& activitiesDir, const QString& program);

// Reads and decodes both pictures of the interface language from memory, with no
// scratch file. Throws std::runtime_error naming what is wrong: a store that
// cannot be read, a language without a column, a missing picture, or bytes that
// are no picture.
ActivityPictures readActivityPictures(const QString& storePath, const QString& interfaceLanguage);

// Caption row 2 in the interface language: the name the activity shows for
// itself. Empty when the store has none.
QString readActivityName(const QString& storePath, const QString& interfaceLanguage);

}  // namespace activitypanel
