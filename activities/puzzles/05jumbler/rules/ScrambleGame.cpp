#include "activities/puzzles/05jumbler/rules/ScrambleGame.h"

#include "activities/puzzles/05jumbler/rules/PhraseLetters.h"

#include <algorithm>

namespace jumbler {

ScrambleGame::ScrambleGame(std::vector<ScramblePhrase> phrases, RandomSource random)
    : phrases_(std::move(phrases)), random_(std::move(random))
{
}

const ScramblePhrase& ScrambleGame::currentPhrase() const
{
    static const ScramblePhrase none;
    return current_ < 0 ? none : phrases_[static_cast<std::size_t>(current_)];
}

void ScrambleGame::newGame()
{
    points_ = 0;
    seconds_ = 0;
    dealt_.assign(phrases_.size(), false);
    remaining_ = static_cast<int>(phrases_.size());
    dealCount_ = 0;
    if (remaining_ == 0) {
        stage_ = Stage::Finished;
        return;
    }
    deal();
}

int ScrambleGame::pickUndealtPhrase()
{
    // Drawn among the phrases not yet dealt, each as likely as the others.
    return platform::drawUndealt(random_, dealt_);
}

void ScrambleGame::deal()
{
    ++round_;
    current_ = pickUndealtPhrase();
    shownLeft_ = remaining_;
    --remaining_;

    const PhraseLetters split = splitPhrase(phrases_[static_cast<std::size_t>(current_)].text);
    const QStringList letters = split.letters();
    const int count = static_cast<int>(letters.size());
    seconds_ = count * kSecondsPerLetter;

    std::vector<int> lengths;
    for (const QStringList& word : split.words)
        lengths.push_back(static_cast<int>(word.size()));
    const QPoint origin = dealCount_ == 0 ? layout::kTile0.topLeft() : layout::kLaterTile0;
    ++dealCount_;
    const BoardLayout board = layoutBoard(lengths, origin);
    boardBottom_ = board.bottom();

    slots_.clear();
    for (int i = 0; i < count; ++i)
        slots_.push_back(LetterSlot{board.slotRects[i], letters[i], {}, colour::kBlack});

    // Each letter in turn goes to a tile drawn among those still without one.
    tiles_.assign(static_cast<std::size_t>(count), LetterTile{});
    for (int i = 0; i < count; ++i) {
        LetterTile& tile = tiles_[static_cast<std::size_t>(i)];
        tile.rect = tile.home = board.tileRects[static_cast<std::size_t>(i)];
    }
    const std::vector<int> places = platform::drawPlaces(random_, count);
    for (int i = 0; i < count; ++i)
        tiles_[static_cast<std::size_t>(places[static_cast<std::size_t>(i)])].letter = letters[i];

    flashCounter_ = 0;
    flashOver_ = false;
    // A phrase without letters has no time at all.
    countdown_ = count > 0;
    stage_ = count > 0 ? Stage::Playing : Stage::TimedOut;
}

// Tiles move while a full board waits to be judged too: a learner who places
// letters briskly need not wait out each drop.
bool ScrambleGame::tilesMayMove() const { return stage_ == Stage::Playing || stage_ == Stage::Judging; }

bool ScrambleGame::canDrag(int tile) const
{
    return tilesMayMove() && tile >= 0 && tile < static_cast<int>(tiles_.size());
}

int ScrambleGame::slotAt(QPoint point) const
{
    for (int i = 0; i < static_cast<int>(slots_.size()); ++i) {
        if (slots_[static_cast<std::size_t>(i)].rect.contains(point))
            return i;
    }
    return -1;
}

void ScrambleGame::dragOver(int slot)
{
    if (!tilesMayMove() || slot < 0 || slot >= static_cast<int>(slots_.size()))
        return;
    for (LetterSlot& s : slots_) {
        if (s.colour != colour::kWhite)
            s.colour = colour::kBlack;
    }
    LetterSlot& over = slots_[static_cast<std::size_t>(slot)];
    if (over.colour != colour::kWhite)
        over.colour = colour::kBlue;
}

void ScrambleGame::freeSlot(int slot)
{
    LetterSlot& s = slots_[static_cast<std::size_t>(slot)];
    s.colour = colour::kBlack;
    s.letter.clear();
}

std::optional<DropTicket> ScrambleGame::dropOnSlot(int tile, int slot)
{
    if (!canDrag(tile) || slot < 0 || slot >= static_cast<int>(slots_.size()))
        return std::nullopt;
    LetterTile& moved = tiles_[static_cast<std::size_t>(tile)];
    if (moved.slot)
        freeSlot(*moved.slot);
    moved.slot.reset();
    // One tile to a slot: a tile already lying there goes back to where it was dealt.
    for (LetterTile& other : tiles_) {
        if (&other != &moved && other.slot == slot) {
            other.slot.reset();
            other.rect = other.home;
            other.bordered = true;
        }
    }
    LetterSlot& target = slots_[static_cast<std::size_t>(slot)];
    moved.rect.moveTopLeft(target.rect.topLeft() + layout::kTileInSlot);
    moved.bordered = false;
    target.letter = moved.letter;
    target.colour = colour::kWhite;
    moved.slot = slot;
    boardChanged();
    return DropTicket{round_, boardChanges_};
}

// The stage and the countdown follow the board: a full one awaits its judgement,
// any other is played on.
void ScrambleGame::boardChanged()
{
    ++boardChanges_;
    const bool full = std::all_of(slots_.begin(), slots_.end(), [](const LetterSlot& s) { return !s.letter.isEmpty(); });
    stage_ = full ? Stage::Judging : Stage::Playing;
    // A right answer keeps the time it has left now; a wrong one is judged
    // while the countdown runs on, so it earns no extra time.
    countdown_ = !(full && answerIsRight());
}

Judgement ScrambleGame::finishDrop(const DropTicket& ticket)
{
    const bool latest = ticket.round == round_ && ticket.boardChange == boardChanges_;
    return latest && stage_ == Stage::Judging ? judge() : Judgement::None;
}

Judgement ScrambleGame::judge()
{
    bool allRight = true;
    for (LetterTile& tile : tiles_) {
        const bool right = tile.slot && slots_[static_cast<std::size_t>(*tile.slot)].rightLetter == tile.letter;
        tile.letterColour = right ? colour::kGreen : colour::kRed;
        tile.flashColour = -1;
        allRight = allRight && right;
    }
    if (allRight) {
        stage_ = Stage::Praising;
        return Judgement::Right;
    }
    stage_ = Stage::Playing;
    return Judgement::Wrong;
}

bool ScrambleGame::answerIsRight() const
{
    return std::all_of(slots_.begin(), slots_.end(), [](const LetterSlot& s) { return s.letter == s.rightLetter; });
}

bool ScrambleGame::dropOnBackground(int tile, QPoint point)
{
    if (!canDrag(tile))
        return false;
    for (LetterTile& t : tiles_) {
        t.letterColour = colour::kBlack;
        t.flashColour = -1;
    }
    LetterTile& moved = tiles_[static_cast<std::size_t>(tile)];
    if (moved.slot)
        freeSlot(*moved.slot);
    moved.slot.reset();
    moved.rect.moveTopLeft(point - QPoint(moved.rect.width() / 2, moved.rect.height() / 2));
    moved.bordered = true;
    boardChanged();
    return true;
}

bool ScrambleGame::tick()
{
    if (!countdown_)
        return false;
    seconds_ = std::max(seconds_ - 1, 0);
    if (seconds_ > 0)
        return false;
    countdown_ = false;
    stage_ = Stage::TimedOut;
    return true;
}

std::optional<int> ScrambleGame::flashTick()
{
    if (stage_ != Stage::Praising || flashOver_)
        return std::nullopt;
    if (flashCounter_ < kFlashColours) {
        const int shown = flashCounter_++;
        for (LetterTile& tile : tiles_) {
            tile.background = colour::kBlack;
            tile.flashColour = shown;
        }
        return shown;
    }
    flashCounter_ = 0;
    flashOver_ = true;
    return std::nullopt;
}

AfterBonus ScrambleGame::addTimeBonus()
{
    const bool due = (stage_ == Stage::Praising && flashOver_) || stage_ == Stage::TimedOut;
    if (!due)
        return AfterBonus::Ignored;
    points_ += seconds_;
    if (remaining_ > 0) {
        deal();
        return AfterBonus::NextPhrase;
    }
    stage_ = Stage::Finished;
    countdown_ = false;
    return AfterBonus::GameOver;
}

}  // namespace jumbler
