#include "platform/ui/EndProgram.h"

#include "TestEnvironment.h"

#include <QObject>

#include <gtest/gtest.h>

#include <fstream>

using namespace platform::ui;

TEST(EndProgram, RunsBeforeEndHooksThenShutdownHooksOnceThenTheEndFunction)
{
    std::vector<std::string> steps;
    addShutdownHook([&] { steps.push_back("close audio"); });
    addBeforeEndHook([&] { steps.push_back("delete sound copies"); });
    addBeforeEndHook([&] {
        steps.push_back("failing step");
        throw std::runtime_error("disk gone");
    });
    addShutdownHook([&] { steps.push_back("sync settings"); });
    std::vector<int> codes;
    setEndFunction([&](int code) { codes.push_back(code); });

    endProgram(4);
    endProgram();
    EXPECT_EQ(steps, std::vector<std::string>({"delete sound copies", "failing step", "close audio", "sync settings"}));
    EXPECT_EQ(codes, std::vector<int>({4, 0}));
}

TEST(EndProgram, SkipsHooksWhoseContextIsGone)
{
    int runs = 0;
    auto* window = new QObject;
    QObject kept;
    addBeforeEndHook([&] { runs += 10; }, window);
    addBeforeEndHook([&] { runs += 1; }, &kept);
    delete window;
    setEndFunction([](int) {});
    endProgram();
    EXPECT_EQ(runs, 1);
}

TEST(EndProgram, ACallFromAHookIsIgnored)
{
    int ends = 0;
    addBeforeEndHook([] { endProgram(9); });
    setEndFunction([&](int code) {
        ++ends;
        EXPECT_EQ(code, 2);
    });
    endProgram(2);
    EXPECT_EQ(ends, 1);
}

TEST(EndProgram, ByDefaultLeavesTheProcessAtOnceAfterTheHooks)
{
    const std::string marker = (testsupport::sandboxDir() + "/hook-ran").toStdString();
    EXPECT_EXIT(
        {
            addBeforeEndHook([&] { std::ofstream(marker) << "deleted"; });
            endProgram(3);
            std::ofstream(marker) << "returned";  // never reached
        },
        testing::ExitedWithCode(3), "");
    EXPECT_EQ(testsupport::readFile(QString::fromStdString(marker)), "deleted");
}
