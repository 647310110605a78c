#pragma once

#include <QColor>
#include <QtGlobal>

// Colour numbers as the windows and stores give them: &HBBGGRR (red in the lowest
// byte), or a system colour &H80000000 | index that follows the application palette.
namespace platform::ui {

inline constexpr quint32 kSystemColorFlag = 0x80000000u;

// Entry n (0 black ... 15 bright white) of the classic 16-colour palette;
// an invalid QColor outside 0..15.
QColor qbColor(int n);

// A colour number to a colour; a system colour number maps to a palette role.
QColor colorFromNumber(quint32 number);

// A colour to its &HBBGGRR number (alpha is dropped).
quint32 colorNumber(const QColor& color);

// System colour by index (0 scroll bars ... 24 tooltip background) from the
// application palette; an invalid QColor for an unknown index.
QColor systemColor(int index);

}  // namespace platform::ui
