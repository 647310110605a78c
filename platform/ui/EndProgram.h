#pragma once

#include <functional>

class QObject;

// Ending a program at once, from any depth of windows, waits and timers.
//
// endProgram(code) runs, once and in this order:
//   1. the "before end" hooks (an activity deletes its sound copies here),
//   2. the shutdown hooks (settings synced, stores and audio closed),
//   3. the end function, which by default leaves the process with _exit(code):
//      no destructor, event handler or other code runs after it.
// Hooks run in the order they were added; a hook that throws does not stop the
// others. A call made while an end is already running (from a hook) is ignored.
//
// Tests replace the end function to observe the end instead. A replaced function
// usually records the code and returns; endProgram then returns to its caller,
// so every caller returns at once after calling it and touches nothing more.
namespace platform::ui {

using EndHook = std::function<void()>;
using EndFunction = std::function<void(int code)>;

// A hook with a context runs only while the context object is alive.
void addBeforeEndHook(EndHook hook, const QObject* context = nullptr);
void addShutdownHook(EndHook hook, const QObject* context = nullptr);

void endProgram(int code = 0);

// Installs the end function and returns the one it replaces; an empty
// function restores the default (_exit).
EndFunction setEndFunction(EndFunction function);

}  // namespace platform::ui
