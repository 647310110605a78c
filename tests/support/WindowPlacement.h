#pragma once

class QWidget;

namespace testsupport {

// Fails the calling test unless the window's frame lies wholly on its screen's
// available area with equal room on each side, give or take the pixel an odd
// difference leaves.
void expectFrameCentredOnItsScreen(const QWidget& window);

}  // namespace testsupport
