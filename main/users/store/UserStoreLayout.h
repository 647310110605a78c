#pragma once

#include "platform/store/Store.h"

#include <QString>

namespace users {

// What the programs need of a user store: tblUsers and tblScores with their
// columns. Returns what is missing ("" when nothing is), e.g. "the table tblUsers".
// A zero-byte file opens as an empty store and lacks both tables.
QString missingUserLayout(const platform::Store& store);

}  // namespace users
