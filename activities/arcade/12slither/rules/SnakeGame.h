#pragma once

// The rules of the snake game. A snake moves over a board on a 10-pixel grid;
// the learner steers it to eat the characters of each phrase in turn. Each
// character is shown with a decoy; eating the decoy or running into the edge
// or the snake's own body costs one of five lives. A character eaten earns the
// level's points and lengthens the snake by two cells; a phrase completed
// earns a bonus. The game is won when every phrase is eaten.
//
// No widgets here: the window steps the model with its movement timer,
// forwards the arrow keys, plays the sounds and holds the outcomes name, and
// draws the board from this state.
#include "platform/random/RandomSource.h"

#include <QChar>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace slither {

inline constexpr int kStep = 10;          // the grid pitch in pixels
// The board the window draws: points from 0 to these are on it.
inline constexpr int kBoardWidth = 640;
inline constexpr int kBoardHeight = 400;
inline constexpr int kStartLength = 10;   // cells of a new snake
inline constexpr int kLives = 5;
inline constexpr int kPhraseBonus = 50;
inline constexpr int kGrowthPerCharacter = 2;
inline constexpr int kDefaultLevel = 3;
inline constexpr int kLevels = 5;
// Decoys are capital letters B to Z.
inline constexpr char16_t kFirstDecoy = u'B';
inline constexpr int kDecoyLetters = 25;

// How fast the snake moves at a level and what a character pays there.
struct Speed {
    int intervalMs = 0;
    int pointsPerCharacter = 0;
    bool operator==(const Speed&) const = default;
};

// Levels 1 to 5; any other level has no speed.
std::optional<Speed> speedOfLevel(int level);

enum class Direction { Left = 1, Up = 2, Right = 3, Down = 4 };

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

// How the snake is drawn now.
enum class SnakeColour {
    Fresh,    // just rebuilt at the left edge, not moved yet
    Moving,
    Fed,      // has just eaten a character
    Crashed,
};

struct SnakePhrase {
    QString text;         // upper-cased
    QString translation;  // upper-cased
};

enum class Crash {
    None,
    Wall,   // the board's edge or the snake's own body
    Decoy,
};

// What one tick did, for the window's sounds and holds.
struct TickOutcome {
    bool ate = false;         // the target was eaten
    bool phraseDone = false;  // ... and it was the phrase's last character
    bool won = false;         // ... of the last phrase: the game is over
    Crash crash = Crash::None;
};

class SnakeGame {
public:
    // Whether the board can draw a character; characters it cannot draw are
    // passed over like blanks instead of being hunted for.
    using CharacterShown = std::function<bool(QChar)>;

    // boardWidth and boardHeight bound the snake: points from 0 to them are on the board.
    SnakeGame(std::vector<SnakePhrase> phrases, int boardWidth, int boardHeight,
              const platform::RandomSource& random, CharacterShown shown = {});

    // Sets the points a character pays; false (and nothing changed) for a level outside 1 to 5.
    bool setSpeed(int level);
    int pointsPerCharacter() const { return pointsPerCharacter_; }

    // Score 0, five lives, the snake rebuilt heading down, the first character placed.
    void newGame();
    // One movement step: move, then eat, complete, crash or hit the decoy.
    // Does nothing unless running().
    TickOutcome tick();
    // An arrow key: takes effect on the next tick unless it points back the
    // way the snake last moved. False when refused or not running.
    bool steer(Direction direction);
    // After a crash: one life less and the snake turns red.
    void loseLife();
    // The snake rebuilt heading down, the same character at a new place with a new decoy.
    void restartAfterCrash();

    bool running() const { return started_ && !won_ && !crashed_; }
    bool won() const { return won_; }
    bool crashed() const { return crashed_; }

    const std::vector<Point>& cells() const { return cells_; }  // tail first, head last
    Point head() const { return cells_.back(); }
    Direction direction() const { return direction_; }
    SnakeColour colour() const { return colour_; }
    int boardWidth() const { return boardWidth_; }
    int boardHeight() const { return boardHeight_; }

    int score() const { return score_; }
    int lives() const { return lives_; }
    int phraseCount() const { return static_cast<int>(phrases_.size()); }
    int currentPhrase() const { return current_; }
    int position() const { return position_; }

    bool hasTarget() const { return hasTarget_; }
    QChar target() const { return target_; }
    Point targetPoint() const { return targetPoint_; }
    QChar decoy() const { return decoy_; }
    Point decoyPoint() const { return decoyPoint_; }

    // The translation of the current phrase, and its characters eaten so far with its blanks.
    const QString& translation() const { return translation_; }
    const QString& phraseLine() const { return phraseLine_; }

    // The hit tests.
    bool letterOnSnake() const { return onSnake(targetPoint_); }
    bool decoyOnSnake() const { return onSnake(decoyPoint_); }
    bool headOnLetter() const { return hasTarget_ && head() == targetPoint_; }
    bool headOnDecoy() const { return hasTarget_ && head() == decoyPoint_; }
    bool checkCrash() const;

    // One cell more, doubled at the tail, so the tail stays put for one tick.
    void growSnake();

private:
    void resetSnake();
    void placeNextLetter();
    void placeDecoyLetter();
    Point randomPoint() const;
    bool onSnake(Point point) const;
    bool isTarget(QChar c) const;
    const QString& currentText() const;
    bool phraseFinished() const;
    void startPhrase(int index);
    void passOverUnshown();
    bool targetsAfter(int index) const;

    std::vector<SnakePhrase> phrases_;
    int boardWidth_;
    int boardHeight_;
    platform::RandomSource random_;
    CharacterShown shown_;

    std::vector<Point> cells_;
    Direction direction_ = Direction::Down;
    Direction lastMoved_ = Direction::Down;
    SnakeColour colour_ = SnakeColour::Fresh;
    int pointsPerCharacter_ = 15;
    int score_ = 0;
    int lives_ = kLives;
    int current_ = 0;
    int position_ = 1;
    bool hasTarget_ = false;
    QChar target_;
    Point targetPoint_;
    QChar decoy_;
    Point decoyPoint_;
    QString translation_;
    QString phraseLine_;
    bool started_ = false;
    bool won_ = false;
    bool crashed_ = false;
};

}  // namespace slither
