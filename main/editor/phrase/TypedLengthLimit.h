#pragma once

class QLineEdit;
class QString;

namespace phraseedit {

// Puts the text into the box whole and limits what the learner can make of it:
// the box holds at most maxTyped characters, a key past that is refused and a
// paste is cut there. A longer text given here is kept as it is, so it goes back
// unchanged when nobody touches it, and may be edited within its own length;
// once the learner has brought it down to maxTyped characters or fewer, the
// limit is maxTyped again. (QLineEdit cuts a text longer than its maximum, so
// the program puts its texts in through this function, never through setText.)
void setTextWithTypedLimit(QLineEdit& box, const QString& text, int maxTyped);

}  // namespace phraseedit
