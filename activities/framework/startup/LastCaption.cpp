#include "activities/framework/startup/LastCaption.h"

namespace activity {
namespace {

// Set during static initialisation, so kept in a function's own static.
int& registeredRow()
{
    static int row = 1;
    return row;
}

}  // namespace

int programLastCaption() { return registeredRow(); }

void registerProgramLastCaption(int row) { registeredRow() = row; }

}  // namespace activity
