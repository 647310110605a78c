#pragma once

#include "activities/puzzles/05jumbler/rules/ScrambleGame.h"
#include "platform/ui/ControlArray.h"
#include "activities/puzzles/05jumbler/window/LetterBox.h"

#include <QColor>

namespace jumbler {

// The letter slots (lblLetter) and letter tiles (lblDrag) of the window: two
// control arrays grown from their element 0, placed and coloured from the game.
// Positions come from the game in twips.
class ScrambleBoard {
public:
    // The elements are made on form; tileEvents receives the tiles' mouse events.
    ScrambleBoard(QWidget* form, QObject* tileEvents);

    // As many slots and tiles as the phrase has letters: element 0 stays (hidden
    // when the phrase has none), further elements are loaded or unloaded.
    void rebuild(const ScrambleGame& game);
    // Letters, colours, borders and places from the game; the tile being dragged
    // keeps the place the pointer gave it.
    void refresh(const ScrambleGame& game, int draggedTile = -1);

    LetterBox* lblLetter(int index) const { return lblLetter_[index]; }
    LetterBox* lblDrag(int index) const { return lblDrag_[index]; }
    int tileIndexOf(const QObject* object) const { return lblDrag_.indexOf(object); }
    bool isSlot(const QObject* object) const { return lblLetter_.indexOf(object) >= 0; }

private:
    platform::ui::ControlArray<LetterBox> lblLetter_;
    platform::ui::ControlArray<LetterBox> lblDrag_;
    QObject* tileEvents_;
    int count_ = 0;
};

}  // namespace jumbler
