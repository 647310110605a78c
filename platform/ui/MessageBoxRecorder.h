#pragma once

#include "platform/ui/MessageBox.h"

#include <deque>
#include <vector>

namespace platform::ui {

// For tests: while it lives, every box is recorded instead of shown and answered
// with the next queued answer, or with its first button (Ok or Yes) when none is queued.
class MessageBoxRecorder {
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    void queueAnswer(MessageAnswer answer) { answers_.push_back(answer); }
    const std::vector<MessageRequest>& shown() const { return shown_; }

private:
    std::vector<MessageRequest> shown_;
    std::deque<MessageAnswer> answers_;
};

}  // namespace platform::ui
