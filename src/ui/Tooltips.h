#pragma once
// The balloon tips that explain six controls.
#include <cstdint>

#include "platform/Records.h"
#include "ui/Controls.h"

struct TooltipTemplate {
  ControlId control;
  const char* text;
};

// In the order the created handler installs them.
extern const TooltipTemplate kTooltips[6];

// Attaches a tip to a control window; one tooltip window serves the whole program and is created
// by the first call with a window. Returns the previous maximum tip width, or 0 for no window.
std::int32_t AddTooltip(platform::Handle controlWindow, const char* tipText, std::int32_t balloon, std::int32_t centred);
