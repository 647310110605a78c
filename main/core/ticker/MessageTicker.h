#pragma once

#include "platform/random/RandomSource.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace ticker {

// A text of the ticker and the page it leads to ("" for none).
struct TickerText {
    QString text;
    QString link;
    bool operator==(const TickerText&) const = default;
};

// The message ticker's rules: a panel that closes, takes its next text and
// opens again, endlessly. The window's two timers drive it: the step timer
// (every 30 ms while it runs) calls step(), the hold timer calls holdEnded();
// after each call the window sets its timers and draws the state given here.
//
// Texts come in this order: the welcome line, the text queued at start-up, then
// either the next system message (queued by a hold timer's draw of 1, messages
// 1..m in turn) or the next tip (1..t in turn). An empty list is skipped.
class MessageTicker {
public:
    static constexpr int kStepMs = 30;
    static constexpr int kStepTwips = 15;
    static constexpr int kOpenTwips = 950;   // the opening ends at this height or more
    static constexpr int kClosedTwips = 20;  // the closing ends at this height or less
    static constexpr int kWelcomePoints = 12;

    // Opening (a new text is set: the next steps open the panel) or closing
    // (the panel is open or closing: the next steps close it).
    enum class Phase { Closing, Opening };
    enum class Step { Moved, Opened, TextChanged };

    // heightTwips: the panel's height as designed, open.
    MessageTicker(platform::RandomSource random, int heightTwips);

    void setMessages(std::vector<TickerText> messages) { messages_ = std::move(messages); }
    void setTips(QStringList tips) { tips_ = std::move(tips); }
    // The text shown at the next change instead of a tip.
    void queue(const TickerText& text) { pending_ = text; }

    // Sign-in: the welcome line is shown at once, at its own size, without a link.
    void showWelcome(const QString& line);
    // Sign-in: the panel starts to move (closing first when it is open).
    void start() { stepTimerOn_ = true; }

    Step step();
    void holdEnded();

    int heightTwips() const { return heightTwips_; }
    Phase phase() const { return phase_; }
    bool stepTimerOn() const { return stepTimerOn_; }
    bool holdTimerOn() const { return holdTimerOn_; }
    // The hold of the shown text, set when the text changes.
    int holdMs() const { return holdMs_; }
    const TickerText& shown() const { return shown_; }
    int fontPoints() const { return fontPoints_; }
    // Entry of the classic 16-colour palette.
    int colourIndex() const { return colourIndex_; }
    const TickerText& pending() const { return pending_; }

private:
    void changeText();
    TickerText nextText();
    TickerText nextMessage();

    platform::RandomSource random_;
    std::vector<TickerText> messages_;
    QStringList tips_;
    TickerText pending_;
    int messageIndex_ = 0;  // the message queued last, 1-based; 0 before the first
    int tipIndex_ = 0;      // the tip shown last, 1-based; 0 before the first

    Phase phase_ = Phase::Closing;
    int heightTwips_;
    bool stepTimerOn_ = false;
    bool holdTimerOn_ = false;
    int holdMs_ = 0;
    TickerText shown_;
    int fontPoints_ = kWelcomePoints;
    int colourIndex_ = 0;
};

}  // namespace ticker
