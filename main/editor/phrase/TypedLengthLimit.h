#pragma once

class QLineEdit;

namespace phraseedit {

// Refuses typing or pasting that would make the box's text longer than
// maxTyped characters, while a longer text the program put there stays whole:
// such a text may shrink but never grow. (QLineEdit's own maximum would cut a
// longer text as soon as it was set.)
void limitTypedLength(QLineEdit& box, int maxTyped);

}  // namespace phraseedit
