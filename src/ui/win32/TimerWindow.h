#pragma once
// The timers: invisible child windows that each own at most one window timer (id kTimerId) and
// keep their period (milliseconds, 0 = stopped) on the window (GWLP_USERDATA).
#include <cstdint>

#include "ui/win32/Win32.h"

extern const char kTimerClassName[];

bool RegisterTimerClass(HINSTANCE instance);

// Starts, restarts or stops the timer; writing the period it already has changes nothing.
void SetTimerPeriod(HWND timer, std::int32_t period);
