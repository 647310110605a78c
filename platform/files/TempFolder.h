#pragma once

#include <QString>

namespace platform {

// The private folder of this user that every program of the suite shares for
// its temporary files: $XDG_RUNTIME_DIR/dravolin/ when a runtime folder is set,
// else <system temp>/dravolin-<uid>/. Made with mode 0700 when missing; a wrong
// mode on our own folder is put right. Ends in "/".
// Throws FileError (NotSafe) when the path is a link, not a folder, or owned by
// another user: nothing is ever created through such a path.
QString tempFolder();

}  // namespace platform
