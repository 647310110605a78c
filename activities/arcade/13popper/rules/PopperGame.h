#pragma once

// The gunfight word game: the learner's gunslinger on the left, the computer's
// on the right, the words of the current phrase falling down the middle and
// cacti drifting up. Shooting the word that comes next in the phrase scores it
// for the shooter; the learner shot by the computer ends the game, and so does
// the last word of the last phrase. The window calls the four timer steps and
// the keys, then reads the state and the sounds to play.
#include "activities/arcade/13popper/rules/PopperLayout.h"
#include "platform/random/RandomSource.h"

#include <QList>
#include <QString>

#include <array>
#include <cstdint>

namespace popper {

struct PopperPhrase {
    QString phrase;       // the words to shoot, in order
    QString translation;  // shown above the desert
};

enum class Sound { Magnum, Bang, Ting, Tink, Oh };

enum class Side { Learner = 0, Computer = 1 };

// The learner's moves; the computer's are 1 up, 2 down, 3 hold, 4 to 6 shoot.
enum Move : int { kNoMove = 0, kUp = 1, kDown = 2, kStop = 3 };

struct FallingWord {
    QString word;     // the word of the phrase
    QString caption;  // what its label shows: the word, or its points once shot
    layout::Piece box;  // where bullets hit it: a word label's design size, whatever its caption
    bool visible = true;
    bool shot = false;  // shown in red with its points until removed
};

struct Bullet {
    layout::Piece box;
    bool inFlight = false;
};

class PopperGame {
public:
    enum class State { Ready, Playing, LearnerShot, Finished };

    // phrases: one to any number, in play order.
    PopperGame(QList<PopperPhrase> phrases, platform::RandomSource random);

    // Phrase 1 in play; the main loop runs.
    void Start_Game();

    // One tick of the main loop: cacti, words, shots, hits and the phrase end.
    void Timer1_Timer();
    // One tick of movement for both gunslingers.
    void tmrMouseCntl_Timer();
    // One decision of the computer.
    void TimerComputerPlayer_Timer();
    // Shot words leave the desert.
    void TimerRemoveLabels_Timer();

    // The learner's keys; ignored unless the main loop runs.
    void fireKey();
    void arrowDown(Move move);  // kUp or kDown
    void arrowUp();

    State state() const { return state_; }
    bool running() const { return state_ == State::Playing; }
    // The computer decides and moves only while active: from each phrase's
    // start until it is shot.
    bool computerActive() const { return computerActive_; }
    // Milliseconds between the computer's decisions in this phrase.
    int computerInterval() const { return decisionInterval(phraseCount(), phraseNumber_); }
    // 75 ms for the last phrase and 75 ms more for every phrase still to come.
    static int decisionInterval(int phraseCount, int phraseNumber) { return (phraseCount - phraseNumber) * 75 + 75; }
    // How many times a phrase was laid out (the window restarts the computer's
    // timer when this changes).
    int layouts() const { return layouts_; }
    // True once after a word was scored: the removal timer is due to start.
    bool takeRemoveWordsRequest();
    // The sounds of the steps so far, oldest first; cleared by the call.
    QList<Sound> takeSounds();

    int phraseNumber() const { return phraseNumber_; }
    int phraseCount() const { return int(phrases_.size()); }
    const QString& translation() const;
    const QString& phraseLine() const { return phraseLine_; }
    const QList<FallingWord>& words() const { return words_; }
    int nextWord() const { return nextWord_; }
    int lastWord() const { return int(words_.size()) - 1; }
    std::int64_t score(Side side) const { return scores_[int(side)]; }
    int bulletSpeed() const { return 2 * phraseNumber_ + 150; }

    const layout::Piece& learner() const { return learner_; }
    const layout::Piece& computer() const { return computer_; }
    const layout::Piece& warn() const { return warn_; }
    const layout::Piece& cactus(int k) const { return cacti_[k]; }
    const Bullet& learnerBullet(int b) const { return learnerBullets_[b]; }
    const Bullet& computerBullet(int b) const { return computerBullets_[b]; }
    bool computerShot() const { return computerShot_; }
    int learnerMove() const { return learnerMove_; }
    int computerMove() const { return computerMove_; }

    // Tests place pieces and set moves directly.
    layout::Piece& learnerBox() { return learner_; }
    layout::Piece& computerBox() { return computer_; }
    layout::Piece& warnBox() { return warn_; }
    layout::Piece& cactusBox(int k) { return cacti_[k]; }
    QList<FallingWord>& wordsForTest() { return words_; }
    void setComputerMove(int move) { computerMove_ = move; }

private:
    void Lay_Out_Phrase();
    void Request_Computer_Shot();
    void moveCacti();
    void moveWords();
    void fireLearner();
    void fireComputer();
    // A flying bullet against the words; true when it hit one (and is spent).
    bool hitWords(Bullet& bullet, Side shooter);
    void flyLearnerBullet(Bullet& bullet);
    void flyComputerBullet(Bullet& bullet);
    void scoreWord(Side shooter);
    void endPhraseIfDone();
    bool hitsCactus(const layout::Piece& box) const;

    QList<PopperPhrase> phrases_;
    platform::RandomSource random_;

    State state_ = State::Ready;
    int phraseNumber_ = 1;
    int nextWord_ = 0;
    int layouts_ = 0;
    QList<FallingWord> words_;
    QString phraseLine_;
    std::array<std::int64_t, 2> scores_{0, 0};

    layout::Piece learner_ = layout::kLearner;
    layout::Piece computer_ = layout::kComputer;
    layout::Piece warn_ = layout::kWarn;
    std::array<layout::Piece, 4> cacti_{layout::kCacti[0], layout::kCacti[1], layout::kCacti[2], layout::kCacti[3]};
    std::array<Bullet, layout::kBulletSlots> learnerBullets_{};
    std::array<Bullet, layout::kBulletSlots> computerBullets_{};

    int learnerMove_ = kNoMove;
    int computerMove_ = kNoMove;
    bool learnerFire_ = false;
    bool computerFire_ = false;
    bool computerActive_ = false;
    bool computerShot_ = false;
    bool removeWordsRequest_ = false;
    QList<Sound> sounds_;
};

// The words of a phrase: split at blanks, with no empty words from runs of
// blanks or blanks at either end.
QStringList phraseWords(const QString& phrase);

}  // namespace popper
