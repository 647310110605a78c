#pragma once

#include "main/core/subjects/SubjectContext.h"
#include "main/core/windows/WaitBox.h"

#include <functional>

// The subject code's hooks as a window of the main program serves them: boxes
// without a parent (the window is disabled while subjects load, and a box
// parented to it would be disabled too), the ERROR box, web pages, the text of
// a showing message window, pending events, the wait box and Wait.
subjects::SubjectHooks subjectWindowHooks(WaitBox& waitBox, std::function<void(bool enabled)> setWindowEnabled);
