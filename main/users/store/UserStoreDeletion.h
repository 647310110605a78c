#pragma once

#include <QString>

namespace users {

// Deletes the user store at path together with its "-journal" side file, so no
// stale journal is replayed into the fresh store the next start makes. The store
// is locked for writing first: while another program holds it (an activity
// saving a score) this throws platform::StoreException and leaves both files as
// they are. A store that is already gone counts as deleted. busyMilliseconds is
// how long a save in progress is waited for.
void deleteUserStore(const QString& path, int busyMilliseconds = 2000);

}  // namespace users
