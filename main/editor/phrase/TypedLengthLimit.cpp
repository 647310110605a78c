#include "main/editor/phrase/TypedLengthLimit.h"

#include <QLineEdit>

#include <algorithm>
#include <memory>

namespace phraseedit {

void setTextWithTypedLimit(QLineEdit& box, const QString& text, int maxTyped)
{
    // The box's own maximum refuses keys and cuts pastes and drops where they are
    // inserted, and keeps the undo history.
    box.setMaxLength(std::max<int>(maxTyped, static_cast<int>(text.size())));
    box.setText(text);
    if (box.maxLength() == maxTyped) return;
    auto lowering = std::make_shared<QMetaObject::Connection>();
    *lowering = QObject::connect(&box, &QLineEdit::textChanged, &box, [&box, maxTyped, lowering](const QString& now) {
        if (now.size() > maxTyped) return;
        QObject::disconnect(*lowering);
        // A new maximum puts the cursor at the end; it goes back where it was.
        const int cursor = box.cursorPosition();
        box.setMaxLength(maxTyped);
        box.setCursorPosition(cursor);
    });
}

}  // namespace phraseedit
