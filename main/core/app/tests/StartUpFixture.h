#pragma once

#include "ProgramFolderFixture.h"
#include "platform/ui/EndProgram.h"
#include "platform/ui/MessageBoxRecorder.h"
#include "platform/ui/TestClock.h"

#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

// What every start-up test needs: a program folder, a clock that never blocks a
// wait, boxes answered in place, and the end of the program observed instead of made.
class StartUp : public ::testing::Test {
protected:
    StartUp()
    {
        clock_.setAutoAdvance(true);
        previousEnd_ = platform::ui::setEndFunction([this](int code) { ends.push_back(code); });
    }
    ~StartUp() override { platform::ui::setEndFunction(previousEnd_); }

    // The sign-in window while it is shown, else nullptr.
    static QWidget* signInWindow();
    // Picks the learner in the shown sign-in window and presses its sign-in button.
    static void signIn(const QString& displayName);

    ProgramFolderFixture fixture;
    platform::ui::MessageBoxRecorder boxes;
    std::vector<int> ends;

private:
    platform::ui::TestClock clock_;
    platform::ui::EndFunction previousEnd_;
};
