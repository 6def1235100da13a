#include "actions/PerformAction.h"

// Hand-over point at the end of a countdown; the actions are filled in here.
void PerformAction() {}
