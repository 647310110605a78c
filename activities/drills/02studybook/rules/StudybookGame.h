#pragma once

// The rules of listen-and-choose. The learner hears the phrase at the present
// position and picks its translation among all translations of the study list;
// a wrong pick sends the learner back to the first phrase, so the list is won
// only by answering it whole without a mistake. Between questions the choices
// shuffle for a moment. The score is the time from start-up to the last right pick.
//
// No widgets here: the window forwards its timer ticks, picks and pointer moves
// and draws the labels this class describes.
#include "activities/framework/elapsed/ElapsedTime.h"
#include "platform/random/RandomSource.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace studybook {

using platform::RandomSource;

// The time of day the clock reads.
using TimeOfDayClock = std::function<elapsed::TimeOfDay()>;

inline constexpr int kShuffleIntervalMs = 100;
inline constexpr int kClockIntervalMs = 1000;
// A shuffle lasts this many ticks; its sound starts on the second.
inline constexpr int kShuffleTicks = 15;
// Colours are entries of the 16-colour palette: labels rest black, a hovered
// label is bright blue, a shuffling label takes any entry 1 to 15.
inline constexpr int kRestColor = 0;
inline constexpr int kHoverColor = 9;
inline constexpr int kShuffleColors = 15;

// One answer label as it should be drawn.
struct ChoiceLabel {
    QString text;
    int color = kRestColor;
    bool operator==(const ChoiceLabel&) const = default;
};

// What one shuffle tick asks the window to do besides redrawing the labels.
struct ShuffleStep {
    bool playShuffleSound = false;  // the "Robot" effect
    bool dealt = false;             // the shuffle ended and the choices were dealt
};

enum class PickResult {
    Ignored,   // picks are not taken now (between a pick and the next deal, or after the finish)
    Right,     // the next phrase follows after a shuffle
    Wrong,     // show the right translation, then start again at the first phrase
    Finished,  // every phrase answered in one pass: the clock has stopped
};

struct PickOutcome {
    PickResult result = PickResult::Ignored;
    QString rightTranslation;  // the translation that was asked for (shown after a wrong pick)
};

// Labels whose colour a pointer move changed (-1 for none).
struct HoverChange {
    int rested = -1;   // back to black
    int hovered = -1;  // now blue
};

class StudybookGame {
public:
    // translations: the translation of each phrase of the study list, in list
    // order (at least one). The random source is drawn from for the whole run.
    StudybookGame(std::vector<QString> translations, RandomSource random, TimeOfDayClock clock);

    int phraseCount() const { return static_cast<int>(translations_.size()); }
    const QString& translation(int position) const { return translations_.at(position - 1); }

    // -- the clock --
    // Starts the clock at the present time of day (at start-up, before the
    // instruction window, so that time counts too).
    void startClock();
    // The clock timer's tick: the text is brought up to date while the clock runs.
    const QString& clockTick();
    const QString& clockText() const { return clockText_; }
    bool clockRunning() const { return clockRunning_; }

    // -- the round --
    // Position 1, all phrases left, and the first shuffle starts. Picks are taken
    // during this first shuffle and judged against phrase 1.
    void Start_Round();
    // The shuffle timer's tick: every label gets a random translation and colour;
    // on the last tick the labels turn black and Deal_Choices runs.
    ShuffleStep shuffleTick();
    // Every translation onto one label each, in random order; picks are taken again.
    void Deal_Choices();
    // Judges a pick of label index. A shuffle running at that moment is stopped
    // first. After a Right or Wrong result no pick is taken until
    // continueAfterPick has started the next shuffle and it has dealt.
    PickOutcome pick(int index);
    // After the pick's sound and message: the next shuffle starts.
    void continueAfterPick();

    // The phrase whose sound plays now (after a deal, or to hear it again): the
    // present position while it is within the list, none once all are answered.
    std::optional<int> phraseToPlay() const;

    int position() const { return position_; }
    int phrasesLeft() const { return phraseCount() - position_ + 1; }
    bool shuffling() const { return shuffling_; }
    int shuffleTicks() const { return shuffleTicks_; }
    bool acceptsPicks() const { return acceptsPicks_; }
    bool finished() const { return finished_; }
    const std::vector<ChoiceLabel>& labels() const { return labels_; }

    // -- pointer effects (only while picks are taken, as on a disabled window) --
    HoverChange hoverLabel(int index);
    HoverChange leaveLabels();
    int hoverIndex() const { return hoverIndex_; }

private:
    void stopShuffle();
    void restAllLabels();

    std::vector<QString> translations_;
    RandomSource random_;
    TimeOfDayClock clock_;

    elapsed::TimeOfDay startTime_;
    QString clockText_ = elapsed::ElapsedTime().text();
    bool clockRunning_ = false;

    std::vector<ChoiceLabel> labels_;
    int position_ = 1;
    int shuffleTicks_ = 0;
    bool shuffling_ = false;
    bool acceptsPicks_ = false;
    bool finished_ = false;
    int hoverIndex_ = -1;
};

}  // namespace studybook
