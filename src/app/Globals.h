#pragma once
// The program's global state: the countdown's two counters, the window list the close action
// gathers, and whether the event loop has started.
#include <cstdint>
#include <vector>

#include "actions/ProcessLookup.h"

extern std::int32_t secondsLeft;  // seconds left in the current minute
extern std::int32_t minutesLeft;  // hours mode: whole minutes left, the one in progress included
extern std::vector<WindowEntry> windowList;  // filled only while windows are enumerated
extern bool loopStarted;

void CreateGlobals();
void ReleaseGlobals();
