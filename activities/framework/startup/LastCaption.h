#pragma once

// The last caption row the running program reads: the LAST_CAPTION of its
// dvl_add_activity call, registered before main() runs by
// activities/framework/program/LastCaptionRegistration.cpp, which that call
// compiles into the program and its tests. Start-up refuses a configuration
// store with fewer caption rows. 1 while no program registered one.
namespace activity {

int programLastCaption();
void registerProgramLastCaption(int row);

}  // namespace activity
