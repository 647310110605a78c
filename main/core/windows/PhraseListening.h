#pragma once

#include "main/core/subjects/NodeTag.h"

#include <QString>

class QWidget;

namespace windows {

// The file a phrase's recording is written to before it plays:
// "~selectedphrase" + the process id + ".wav" in the temporary folder.
QString listeningFile();

// Shows the phrase's text in a message window titled `title` and plays its
// recording from its installed subject store (fields file and key) after a
// second, unless OK was pressed meanwhile. A store that is gone plays nothing
// and says nothing; a request while one runs is ignored. A phrase gone from its
// store, or a recording that cannot be read or written, throws std::exception.
void listenToPhrase(const QString& installedSubjectsDir, const subjects::NodeTag& phrase, const QString& title);

}  // namespace windows
