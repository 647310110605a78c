#pragma once

#include "main/users/store/UserStoreLoader.h"

// The outcome's name, for test messages and the probe's output.
namespace users::testing {

inline const char* outcomeName(LoadOutcome outcome)
{
    switch (outcome) {
    case LoadOutcome::Opened: return "Opened";
    case LoadOutcome::Created: return "Created";
    case LoadOutcome::CannotCreate: return "CannotCreate";
    case LoadOutcome::Unreadable: return "Unreadable";
    case LoadOutcome::SetAside: return "SetAside";
    }
    return "?";
}

}  // namespace users::testing
