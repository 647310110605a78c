#include "activities/drills/01cardflip/rules/AutoMode.h"

namespace cardflip {

void AutoMode::toggle()
{
    automatic_ = !automatic_;
    ++run_;
    stepRunning_ = false;
}

std::optional<AutoTicket> AutoMode::beginStep()
{
    if (!automatic_ || stepRunning_)
        return std::nullopt;
    stepRunning_ = true;
    return AutoTicket{run_};
}

bool AutoMode::stands(const AutoTicket& ticket) const
{
    return automatic_ && stepRunning_ && ticket.run == run_;
}

void AutoMode::endStep(const AutoTicket& ticket)
{
    if (ticket.run == run_)
        stepRunning_ = false;
}

}  // namespace cardflip
