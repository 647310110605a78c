#pragma once

class QWidget;

namespace activity {

// Places the window, frame included, in the middle of its screen.
void Center_Form(QWidget& form);

}  // namespace activity
