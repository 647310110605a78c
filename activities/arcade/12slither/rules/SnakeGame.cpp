#include "activities/arcade/12slither/rules/SnakeGame.h"

#include <algorithm>

namespace slither {

namespace {

Direction opposite(Direction direction)
{
    switch (direction) {
    case Direction::Left: return Direction::Right;
    case Direction::Up: return Direction::Down;
    case Direction::Right: return Direction::Left;
    case Direction::Down: return Direction::Up;
    }
    return direction;
}

// A decoy equal to the target is drawn again; after this many equal draws the
// next letter is taken, so a source that keeps repeating itself cannot hang.
constexpr int kDecoyRedraws = 64;

}  // namespace

std::optional<Speed> speedOfLevel(int level)
{
    static constexpr Speed kSpeeds[kLevels] = {{120, 5}, {85, 10}, {60, 15}, {40, 20}, {20, 25}};
    if (level < 1 || level > kLevels)
        return std::nullopt;
    return kSpeeds[level - 1];
}

SnakeGame::SnakeGame(std::vector<SnakePhrase> phrases, int boardWidth, int boardHeight,
                     const platform::RandomSource& random, CharacterShown shown)
    : phrases_(std::move(phrases)),
      boardWidth_(boardWidth),
      boardHeight_(boardHeight),
      random_(random),
      shown_(std::move(shown))
{
    resetSnake();
}

bool SnakeGame::setSpeed(int level)
{
    const std::optional<Speed> speed = speedOfLevel(level);
    if (!speed)
        return false;
    pointsPerCharacter_ = speed->pointsPerCharacter;
    return true;
}

void SnakeGame::newGame()
{
    score_ = 0;
    lives_ = kLives;
    position_ = 1;
    current_ = 0;
    direction_ = Direction::Down;
    won_ = false;
    crashed_ = false;
    resetSnake();
    hasTarget_ = false;
    translation_ = phrases_.empty() ? QString() : phrases_.front().translation;
    started_ = true;
    placeNextLetter();
}

void SnakeGame::resetSnake()
{
    cells_.clear();
    for (int i = 1; i <= kStartLength; ++i)
        cells_.push_back({kStep, kStep * i});
    lastMoved_ = Direction::Down;
    colour_ = SnakeColour::Fresh;
}

Point SnakeGame::randomPoint() const
{
    return {kStep * random_.below(boardWidth_ / kStep), kStep * random_.below(boardHeight_ / kStep)};
}

bool SnakeGame::onSnake(Point point) const
{
    if (point.x <= 0 || point.y <= 0)
        return false;
    return std::find(cells_.begin(), cells_.end(), point) != cells_.end();
}

bool SnakeGame::isTarget(QChar c) const
{
    return !c.isSpace() && (!shown_ || shown_(c));
}

const QString& SnakeGame::currentText() const
{
    return phrases_.at(current_ - 1).text;
}

bool SnakeGame::phraseFinished() const
{
    return position_ > currentText().size();
}

void SnakeGame::passOverUnshown()
{
    const QString& text = currentText();
    while (position_ <= text.size() && !isTarget(text.at(position_ - 1))) {
        phraseLine_ += text.at(position_ - 1);
        ++position_;
    }
}

void SnakeGame::startPhrase(int index)
{
    current_ = index;
    position_ = 1;
    phraseLine_.clear();
    if (current_ > phraseCount()) {
        translation_.clear();
        return;
    }
    translation_ = phrases_.at(current_ - 1).translation;
    passOverUnshown();
}

bool SnakeGame::targetsAfter(int index) const
{
    for (int i = index; i < phraseCount(); ++i) {
        for (QChar c : phrases_.at(i).text) {
            if (isTarget(c))
                return true;
        }
    }
    return false;
}

void SnakeGame::placeNextLetter()
{
    do {
        targetPoint_ = randomPoint();
    } while (letterOnSnake());
    // Phrases with nothing left to eat (finished, empty or all blanks) are passed over.
    while (current_ == 0 || (current_ <= phraseCount() && phraseFinished()))
        startPhrase(current_ + 1);
    if (current_ > phraseCount()) {
        hasTarget_ = false;
        won_ = true;
        return;
    }
    target_ = currentText().at(position_ - 1);
    hasTarget_ = true;
    placeDecoyLetter();
}

void SnakeGame::placeDecoyLetter()
{
    do {
        decoyPoint_ = randomPoint();
    } while (decoyOnSnake());
    decoy_ = QChar(static_cast<char16_t>(kFirstDecoy + random_.below(kDecoyLetters)));
    for (int draws = 1; decoy_ == target_; ++draws) {
        const int letter = draws < kDecoyRedraws ? random_.below(kDecoyLetters)
                                                 : (decoy_.unicode() - kFirstDecoy + 1) % kDecoyLetters;
        decoy_ = QChar(static_cast<char16_t>(kFirstDecoy + letter));
    }
}

TickOutcome SnakeGame::tick()
{
    TickOutcome outcome;
    if (!running())
        return outcome;
    Point next = cells_.back();
    switch (direction_) {
    case Direction::Left: next.x -= kStep; break;
    case Direction::Up: next.y -= kStep; break;
    case Direction::Right: next.x += kStep; break;
    case Direction::Down: next.y += kStep; break;
    }
    std::move(cells_.begin() + 1, cells_.end(), cells_.begin());
    cells_.back() = next;
    lastMoved_ = direction_;
    colour_ = SnakeColour::Moving;

    if (headOnLetter()) {
        outcome.ate = true;
        colour_ = SnakeColour::Fed;
        hasTarget_ = false;
        phraseLine_ += target_;
        score_ += pointsPerCharacter_;
        ++position_;
        passOverUnshown();
        if (phraseFinished()) {
            outcome.phraseDone = true;
            score_ += kPhraseBonus;
            if (!targetsAfter(current_)) {
                // The last phrase: the game is over before anything else can happen.
                outcome.won = true;
                won_ = true;
                return outcome;
            }
        }
        placeNextLetter();
        for (int i = 0; i < kGrowthPerCharacter; ++i)
            growSnake();
    }
    if (checkCrash())
        outcome.crash = Crash::Wall;
    else if (headOnDecoy())
        outcome.crash = Crash::Decoy;
    crashed_ = outcome.crash != Crash::None;
    return outcome;
}

bool SnakeGame::steer(Direction direction)
{
    if (!running() || direction == opposite(lastMoved_))
        return false;
    direction_ = direction;
    return true;
}

void SnakeGame::loseLife()
{
    colour_ = SnakeColour::Crashed;
    if (lives_ > 0)
        --lives_;
}

void SnakeGame::restartAfterCrash()
{
    if (lives_ == 0)
        return;
    direction_ = Direction::Down;
    crashed_ = false;
    resetSnake();
    placeNextLetter();
}

void SnakeGame::growSnake()
{
    cells_.insert(cells_.begin(), cells_.front());
}

bool SnakeGame::checkCrash() const
{
    const Point head = cells_.back();
    for (std::size_t i = 0; i < cells_.size(); ++i) {
        const Point& cell = cells_[i];
        if (cell.x < 0 || cell.x > boardWidth_ || cell.y < 0 || cell.y > boardHeight_)
            return true;
        if (i + 1 < cells_.size() && cell == head)
            return true;
    }
    return false;
}

}  // namespace slither
