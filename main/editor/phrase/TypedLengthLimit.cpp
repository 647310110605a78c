#include "main/editor/phrase/TypedLengthLimit.h"

#include <QLineEdit>

#include <memory>

namespace phraseedit {

void limitTypedLength(QLineEdit& box, int maxTyped)
{
    // The text before the learner's latest edit, whoever set it.
    auto accepted = std::make_shared<QString>(box.text());
    auto cursor = std::make_shared<int>(box.cursorPosition());
    QObject::connect(&box, &QLineEdit::cursorPositionChanged, &box,
                     [cursor](int, int now) { *cursor = now; });
    QObject::connect(&box, &QLineEdit::textChanged, &box, [accepted](const QString& text) { *accepted = text; });
    // textEdited comes before textChanged, so *accepted still holds the old text here.
    QObject::connect(&box, &QLineEdit::textEdited, &box, [&box, accepted, cursor, maxTyped](const QString& text) {
        if (text.size() <= maxTyped || text.size() <= accepted->size()) return;
        const QString previous = *accepted;
        const int previousCursor = *cursor;
        box.setText(previous);
        box.setCursorPosition(previousCursor);
    });
}

}  // namespace phraseedit
