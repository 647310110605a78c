#pragma once

// The automatic mode of the flash cards: every few seconds the next card slides
// in, its recording plays, the card turns to its back and then to its front.
// One step runs at a time: a step holds a ticket, and a step whose mode was
// switched off (or switched off and on again) during one of its waits stops
// there, so two steps never drive the card at once.
#include <array>
#include <cstdint>
#include <optional>

namespace cardflip {

inline constexpr int kAutoIntervalMs = 2500;

enum class AutoAction {
    NextCard,    // as the next-card button, without its click
    PlayPhrase,  // the card's recording, to its end
    Turn,        // as the turn button, with its click
};

struct AutoMove {
    int waitSecondsBefore = 0;
    AutoAction action = AutoAction::NextCard;
};

// One automatic step, in order.
inline constexpr std::array<AutoMove, 4> kAutoStep{{
    {0, AutoAction::NextCard},
    {3, AutoAction::PlayPhrase},
    {2, AutoAction::Turn},
    {2, AutoAction::Turn},
}};

struct AutoTicket {
    std::uint64_t run = 0;
};

class AutoMode {
public:
    bool automatic() const { return automatic_; }
    // Switches between turning by hand and the automatic mode; a step in
    // progress no longer stands.
    void toggle();

    // A new step may start only in the automatic mode and when none is running.
    std::optional<AutoTicket> beginStep();
    // The step may go on after a wait.
    bool stands(const AutoTicket& ticket) const;
    void endStep(const AutoTicket& ticket);
    bool stepRunning() const { return stepRunning_; }

private:
    bool automatic_ = false;
    bool stepRunning_ = false;
    std::uint64_t run_ = 0;
};

}  // namespace cardflip
