#include "platform/ui/TerminationSignals.h"

#include <QDeadlineTimer>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>

using platform::ui::handleTerminationSignals;

namespace {

// Runs events until value reaches wanted or two seconds have passed.
void waitForCount(const int& value, int wanted)
{
    const QDeadlineTimer deadline(2000);
    while (value < wanted && !deadline.hasExpired())
        QTest::qWait(10);
}

}  // namespace

TEST(TerminationSignals, CallTheGivenFunctionFromTheEventLoop)
{
    int calls = 0;
    ASSERT_TRUE(handleTerminationSignals([&] { ++calls; }));
    ::raise(SIGTERM);
    ::raise(SIGINT);
    EXPECT_EQ(calls, 0);  // nothing runs inside the signal handler itself
    waitForCount(calls, 2);
    EXPECT_EQ(calls, 2);

    int replaced = 0;
    handleTerminationSignals([&] { ++replaced; });
    ::raise(SIGTERM);
    waitForCount(replaced, 1);
    EXPECT_EQ(replaced, 1);
    EXPECT_EQ(calls, 2);
}
