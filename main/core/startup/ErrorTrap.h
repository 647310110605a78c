#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace startup {

// Runs one procedure of the main program. An error it throws is shown in the
// main program's ERROR box (caption 149, a blank line, the procedure's name, ": "
// and the error text) and the program goes on. False when an error was shown.
bool runTrapped(const QString& procedure, const std::function<void()>& body, QWidget* parent = nullptr);

// The error box alone, for procedures that report and go on in their own way.
void showProcedureError(const QString& procedure, const QString& error, QWidget* parent = nullptr);

}  // namespace startup
