#pragma once
// Forced restart and shutdown requests, with the shutdown privilege enabled on NT.
#include <cstdint>

constexpr std::int32_t kShutdownKindShutDown = 1;
constexpr std::int32_t kShutdownKindRestart = 2;

void ShutdownSystem(std::int32_t shutdownKind);

// Enables a privilege in the current process's token. The result of AdjustTokenPrivileges,
// or 0 when the system is not NT.
std::int32_t EnablePrivilege(const char* privilegeName);
