#pragma once

// The rules of the word search. The phrases of the study list are hidden,
// upper-cased, in the letter grid; the learner traces one by clicking its
// first cell, passing over its cells and clicking again. A traced text equal
// to an unfound placed phrase, read either way, finds it. When every placed
// phrase is found the game is over; the window keeps the clock.
//
// No widgets here: the window forwards clicks and pointer entries by cell and
// draws the cells and the list as this class describes them.
#include "activities/puzzles/14gridhunt/rules/LetterGrid.h"
#include "platform/random/RandomSource.h"

#include <QString>

#include <vector>

namespace gridhunt {

// The list shows at most this many characters of a phrase that was not placed.
inline constexpr int kUnplacedShownLength = 15;

struct GridhuntPhrase {
    QString text;         // upper-cased, as hidden in the grid
    QString translation;  // upper-cased
};

enum class CellColour { White, Yellow, Blue };

struct ClickOutcome {
    enum Kind {
        Started,   // a trace began at the cell
        Found,     // the trace found phrase `phrase`
        Missed,    // the trace matched nothing
        Ignored,   // the game is over or was never playable
    };
    Kind kind = Ignored;
    int phrase = 0;  // 1-based, for Found
};

class GridhuntGame {
public:
    // Places every phrase in list order, then fills the grid.
    GridhuntGame(std::vector<GridhuntPhrase> phrases, const platform::RandomSource& random);

    const LetterGrid& grid() const { return grid_; }
    int phraseCount() const { return static_cast<int>(phrases_.size()); }
    const GridhuntPhrase& phrase(int index) const { return phrases_.at(index - 1).phrase; }
    const Placement& placement(int index) const { return phrases_.at(index - 1).placement; }
    bool isFound(int index) const { return phrases_.at(index - 1).found; }

    // Placed phrases not found yet; 0 from the start when nothing could be placed.
    int phrasesLeft() const { return phrasesLeft_; }
    bool playable() const { return placedCount_ > 0; }
    bool finished() const { return playable() && phrasesLeft_ == 0; }

    // The list entry of phrase index: "<index>. <text>", or for a phrase that
    // was not placed its first characters and the marker, "<index>. <text>... <marker>".
    QString listText(int index, const QString& notPlacedMarker) const;
    // "<index>. <translation>", shown while the entry is held down.
    QString translationText(int index) const;

    // -- tracing --
    ClickOutcome click(int cell);
    // The pointer entered cell (1..700).
    void enter(int cell);
    bool selecting() const { return selecting_; }
    const QString& traced() const { return traced_; }
    CellColour colour(int cell) const { return colours_.at(cell); }

    // The first placed, unfound phrase equal to text, else the first equal to
    // text read backwards; 0 when none.
    int findSelection(const QString& text) const;

private:
    struct Entry {
        GridhuntPhrase phrase;
        Placement placement;
        bool found = false;
    };
    void mark(int cell);
    void settleTrace(CellColour to);

    LetterGrid grid_;
    std::vector<Entry> phrases_;
    std::vector<CellColour> colours_;
    std::vector<int> tracedCells_;
    int placedCount_ = 0;
    int phrasesLeft_ = 0;
    bool selecting_ = false;
    QString traced_;
    int lastEntered_ = 0;
};

}  // namespace gridhunt
