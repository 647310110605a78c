#pragma once

#include <functional>

namespace platform {

// True when the computer seems to be online: the system's network information
// when it knows (internet or a site reachable), else whether some network
// interface other than loopback is up and running.
bool isConnected();

// Replaces the check (tests never depend on the real network); an empty
// function restores the real one.
void setConnectivityCheck(std::function<bool()> check);

}  // namespace platform
