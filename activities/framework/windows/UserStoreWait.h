#pragma once

// Working on the learner's user store while another program may hold it locked
// (the main program, another activity saving its result). A learner's result is
// worth a wait, but not a frozen window: each attempt gives up at once on a busy
// store, and between attempts the program's events run on the active clock, so
// its windows keep painting and a close or SIGTERM ends the program as ever.
// The learner's clicks and keys are dropped while it waits (the game is over)
// and the cursor shows the wait.
#include "platform/store/Store.h"

#include <QString>

#include <functional>

namespace activity {

// How long work waits for a busy user store, and how often it tries again.
inline constexpr qint64 kUserStoreWaitMs = 30'000;
inline constexpr qint64 kUserStoreRetryMs = 100;

enum class StoreWaitOutcome {
    Done,          // work ran through
    ProgramEnded,  // the program ended meanwhile; the caller goes no further
};

// Runs work on a read-write connection to the store at path, on a fresh one
// each time the store is busy, until work runs through or kUserStoreWaitMs have
// passed on the active clock. Work that a busy store stops half way is rolled
// back by its transaction. Throws what opening or work threw: any failure but a
// busy store at once, the busy one when the time is up.
StoreWaitOutcome withUserStore(const QString& path, const std::function<void(platform::Store&)>& work);

}  // namespace activity
