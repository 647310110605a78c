#include "platform/ui/MessageBoxRecorder.h"

namespace platform::ui {

MessageBoxRecorder::MessageBoxRecorder()
{
    setMessageHandler([this](const MessageRequest& request) {
        shown_.push_back(request);
        if (answers_.empty())
            return request.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
        const MessageAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    });
}

MessageBoxRecorder::~MessageBoxRecorder() { setMessageHandler({}); }

}  // namespace platform::ui
