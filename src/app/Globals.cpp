#include "app/Globals.h"

std::int32_t secondsLeft = 0;
std::int32_t minutesLeft = 0;
std::vector<WindowEntry> windowList;
bool loopStarted = false;

void CreateGlobals() { windowList.clear(); }

void ReleaseGlobals() {
  windowList.clear();
  windowList.shrink_to_fit();
}
