#pragma once

// The fixture of an activity's window tests: the activity started in-process
// on a launch written by the real writer, with the shipped configuration store
// of the build, a user store made from the built template, the fake clock, the
// modal windows answered, message boxes recorded and the end of the program
// observed instead of taken.
#include "activities/framework/startup/ActivityWindow.h"
#include "activities/framework/testkit/ActivityTestKit.h"
#include "activities/framework/testkit/ModalDriver.h"
#include "platform/ui/MessageBoxRecorder.h"
#include "platform/ui/TestClock.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace activitytest {

class ActivityWindowTest : public ::testing::Test {
protected:
    static constexpr std::int64_t kActivityPid = 4242;

    void SetUp() override;
    void TearDown() override;

    // Writes a launch of `count` phrases ("phrase i", "translation i"), or of
    // these phrase texts, and starts the window on it: true once its game runs.
    bool start(activity::ActivityWindow& window, int count);
    bool start(activity::ActivityWindow& window, const QStringList& phrases);

    // The activity's own copy of the sound of phrase `slot`.
    QString copyPath(int slot) const;
    // What the recording sound backend has played so far, one line per sound.
    static QStringList soundLines();

    platform::ui::TestClock clock{QDateTime(QDate(2024, 6, 3), QTime(9, 30, 0))};
    platform::ui::MessageBoxRecorder boxes;
    ModalDriver modals;
    activity::ActivityEnvironment environment;  // temp folder, built Activities folder, kActivityPid
    QString userStore;                          // Users.dat made from the built template
    Launch launch;
    std::vector<int> endCodes;  // one entry per end of the program asked for

private:
    bool startOn(activity::ActivityWindow& window);
};

}  // namespace activitytest
