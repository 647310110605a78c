#include "activities/puzzles/14gridhunt/rules/GridhuntGame.h"

#include <algorithm>

namespace gridhunt {

GridhuntGame::GridhuntGame(std::vector<GridhuntPhrase> phrases, const platform::RandomSource& random)
    : colours_(kCells + 1, CellColour::White)
{
    phrases_.reserve(phrases.size());
    for (GridhuntPhrase& phrase : phrases) {
        Entry entry{std::move(phrase), {}, false};
        entry.placement = grid_.placePhrase(entry.phrase.text, random);
        if (entry.placement.placed)
            ++placedCount_;
        phrases_.push_back(std::move(entry));
    }
    phrasesLeft_ = placedCount_;
    grid_.fill(random);
}

QString GridhuntGame::listText(int index, const QString& notPlacedMarker) const
{
    const Entry& entry = phrases_.at(index - 1);
    const QString number = QString::number(index) + QStringLiteral(". ");
    if (entry.placement.placed)
        return number + entry.phrase.text;
    return number + entry.phrase.text.left(kUnplacedShownLength) + QStringLiteral("... <") + notPlacedMarker
           + QLatin1Char('>');
}

QString GridhuntGame::translationText(int index) const
{
    return QString::number(index) + QStringLiteral(". ") + phrase(index).translation;
}

void GridhuntGame::mark(int cell)
{
    if (colours_.at(cell) == CellColour::Blue)
        return;
    colours_.at(cell) = CellColour::Yellow;
    tracedCells_.push_back(cell);
}

void GridhuntGame::settleTrace(CellColour to)
{
    for (int cell : tracedCells_)
        colours_.at(cell) = to;
    tracedCells_.clear();
}

void GridhuntGame::enter(int cell)
{
    if (cell == lastEntered_)
        return;
    lastEntered_ = cell;
    if (!selecting_)
        return;
    traced_ += grid_.symbol(cell);
    mark(cell);
}

ClickOutcome GridhuntGame::click(int cell)
{
    if (!playable() || finished())
        return {};
    // The pointer is on the clicked cell, whether or not a move was seen.
    lastEntered_ = cell;
    if (!selecting_) {
        selecting_ = true;
        traced_ = QString(grid_.symbol(cell));
        mark(cell);
        return {ClickOutcome::Started, 0};
    }
    selecting_ = false;
    const int found = findSelection(traced_);
    if (found == 0) {
        settleTrace(CellColour::White);
        return {ClickOutcome::Missed, 0};
    }
    phrases_.at(found - 1).found = true;
    --phrasesLeft_;
    settleTrace(CellColour::Blue);
    return {ClickOutcome::Found, found};
}

int GridhuntGame::findSelection(const QString& text) const
{
    const auto firstEqual = [this](const QString& wanted) {
        for (int i = 0; i < phraseCount(); ++i) {
            const Entry& entry = phrases_.at(i);
            if (entry.placement.placed && !entry.found && entry.phrase.text == wanted)
                return i + 1;
        }
        return 0;
    };
    if (const int forwards = firstEqual(text))
        return forwards;
    QString reversed = text;
    std::reverse(reversed.begin(), reversed.end());
    return firstEqual(reversed);
}

}  // namespace gridhunt
