#include "platform/ui/EndProgram.h"

#include <QObject>
#include <QPointer>

#include <cstdio>
#include <unistd.h>
#include <utility>
#include <vector>

namespace platform::ui {
namespace {

struct Hook {
    EndHook run;
    QPointer<const QObject> context;
    bool hasContext = false;
};

struct EndState {
    std::vector<Hook> beforeEnd;
    std::vector<Hook> shutdown;
    EndFunction end;
    bool ending = false;
};

EndState& state()
{
    static EndState instance;
    return instance;
}

void runHooks(std::vector<Hook> hooks)
{
    for (const Hook& hook : hooks) {
        if (hook.hasContext && !hook.context)
            continue;
        try {
            hook.run();
        } catch (...) {
            // The program ends whatever one clean-up step did.
        }
    }
}

void leaveProcess(int code)
{
    std::fflush(nullptr);
    ::_exit(code);
}

}  // namespace

void addBeforeEndHook(EndHook hook, const QObject* context)
{
    state().beforeEnd.push_back({std::move(hook), context, context != nullptr});
}

void addShutdownHook(EndHook hook, const QObject* context)
{
    state().shutdown.push_back({std::move(hook), context, context != nullptr});
}

void endProgram(int code)
{
    EndState& s = state();
    if (s.ending)
        return;
    s.ending = true;
    // Hooks run once: taken out of the registry before they run.
    runHooks(std::exchange(s.beforeEnd, {}));
    runHooks(std::exchange(s.shutdown, {}));
    if (!s.end)
        leaveProcess(code);
    const EndFunction end = s.end;
    end(code);
    s.ending = false;
}

EndFunction setEndFunction(EndFunction function) { return std::exchange(state().end, std::move(function)); }

}  // namespace platform::ui
