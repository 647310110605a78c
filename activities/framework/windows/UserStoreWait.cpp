#include "activities/framework/windows/UserStoreWait.h"

#include "platform/ui/Clock.h"
#include "platform/ui/EndProgram.h"
#include "platform/ui/UserInputBlock.h"

#include <QApplication>

#include <algorithm>
#include <optional>

namespace activity {

namespace {

// Notes an end of the program that runs while it lives. An end replaced by a
// test returns to the wait, which must then stop.
class EndWatch {
public:
    EndWatch()
    {
        platform::ui::addBeforeEndHook([this] { ended_ = true; }, &context_);
    }
    bool ended() const { return ended_; }

private:
    QObject context_;
    bool ended_ = false;
};

// What the learner sees while the result waits.
class WaitingLook {
public:
    WaitingLook() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitingLook() { QApplication::restoreOverrideCursor(); }
    WaitingLook(const WaitingLook&) = delete;
    WaitingLook& operator=(const WaitingLook&) = delete;

private:
    platform::ui::UserInputBlock input_;
};

// One attempt: nothing when work ran through, the failure when the store was busy.
std::optional<platform::StoreException> attempt(const QString& path,
                                                const std::function<void(platform::Store&)>& work)
{
    try {
        platform::Store store = platform::Store::open(path, platform::OpenMode::ReadWrite, 0);
        work(store);
        return std::nullopt;
    } catch (const platform::StoreException& error) {
        if (error.code() != platform::StoreError::Busy) throw;
        return error;
    }
}

}  // namespace

StoreWaitOutcome withUserStore(const QString& path, const std::function<void(platform::Store&)>& work)
{
    platform::ui::Clock& clock = platform::ui::activeClock();
    const qint64 deadline = clock.monotonicMs() + kUserStoreWaitMs;
    const EndWatch end;
    std::optional<WaitingLook> waiting;
    while (true) {
        const std::optional<platform::StoreException> busy = attempt(path, work);
        const qint64 left = deadline - clock.monotonicMs();
        if (busy && left > 0) {
            if (!waiting) waiting.emplace();
            // False when the program's event loops are being left: then only the time would end the wait.
            const bool eventsRan = clock.runEventsFor(std::min(kUserStoreRetryMs, left));
            if (end.ended()) return StoreWaitOutcome::ProgramEnded;
            if (eventsRan) continue;
        }
        // Done or given up: what was held back goes through first, a close among it.
        waiting.reset();
        if (end.ended()) return StoreWaitOutcome::ProgramEnded;
        if (busy) throw *busy;
        return StoreWaitOutcome::Done;
    }
}

}  // namespace activity
