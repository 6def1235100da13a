#pragma once
// The end of a countdown: carry out what the action box says at this moment.
void PerformAction();
