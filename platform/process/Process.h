#pragma once

#include <QString>

#include <functional>

namespace platform {

// Starts program with exactly one argument and does not wait for it. The
// argument reaches the program whole (no shell, no splitting at blanks).
// False when the program cannot be started.
bool startDetached(const QString& program, const QString& argument);

// Replaces how programs are started (tests observe launches this way);
// an empty function restores the real start.
using ProcessStarter = std::function<bool(const QString& program, const QString& argument)>;
void setProcessStarter(ProcessStarter starter);

}  // namespace platform
