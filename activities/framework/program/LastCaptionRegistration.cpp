// Compiled into each activity program and its tests by dvl_add_activity:
// registers the last caption row the program reads before main() runs.
#include "activities/framework/startup/LastCaption.h"

namespace {

struct LastCaptionRegistration {
    LastCaptionRegistration() { activity::registerProgramLastCaption(DVL_ACTIVITY_LAST_CAPTION); }
};

const LastCaptionRegistration registration;

}  // namespace
