#include "ui/WindowCreated.h"

#include "ui/Controls.h"
#include "ui/Tooltips.h"

void WindowCreated() {
  // Selecting from code raises no list-item-selected event, so the target box stays hidden.
  WriteProperty(ControlId::组合框2, ControlProperty::CurrentSelection, 0);
  WriteProperty(ControlId::组合框1, ControlProperty::CurrentSelection, 0);
  for (const TooltipTemplate& tip : kTooltips) AddTooltip(ControlHandle(tip.control), tip.text, 1, 0);
}
