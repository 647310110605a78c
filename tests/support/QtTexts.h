#pragma once

#include <QDialogButtonBox>
#include <QString>

#include <gtest/gtest.h>

#include <string>

namespace testsupport {

// Qt's own text of a standard button as its dialogs show it, without the '&'.
std::string standardButtonText(QDialogButtonBox::StandardButton button);

// Whether Qt's Spanish translation is where Qt looks for it. The set-up installs
// it, so a test that needs it fails on a machine without it, saying so.
::testing::AssertionResult qtSpanishInstalled();

}  // namespace testsupport
