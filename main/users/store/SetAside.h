#pragma once

#include <QDate>
#include <QString>

namespace users {

// Renames a damaged store to "<path>.bad-<yyyy-MM-dd>", or "...-2", "...-3" and so
// on when an earlier one holds that name, never overwriting anything; a journal
// beside it moves along, so it can never be played into the fresh store that
// follows. Returns the new path; throws platform::FileError when it cannot rename.
QString setAsideDamagedStore(const QString& path, const QDate& day);

}  // namespace users
