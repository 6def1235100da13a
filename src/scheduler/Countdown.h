#pragma once
// The countdown: the OK and Cancel handlers and the ticks of the two timers.

void StartCountdown();   // the OK button was clicked
void CancelCountdown();  // the Cancel button was clicked
void MinutesTick();      // the minutes timer ticked
void HoursTick();        // the hours timer ticked
