#include "ui/win32/Events.h"

#include "scheduler/Countdown.h"
#include "ui/TargetSelection.h"

namespace {

struct EventBinding {
  ControlId control;
  ControlEvent event;
  void (*handler)();
};

// Every other event of every control has no handler.
constexpr EventBinding kEventBindings[] = {
    {ControlId::组合框1, ControlEvent::ListItemSelected, ActionSelected},
    {ControlId::按钮1, ControlEvent::Clicked, StartCountdown},
    {ControlId::按钮2, ControlEvent::Clicked, CancelCountdown},
    {ControlId::时钟2, ControlEvent::Periodic, MinutesTick},
    {ControlId::时钟1, ControlEvent::Periodic, HoursTick},
};

}  // namespace

void RaiseEvent(HWND mainWindow, ControlId control, ControlEvent event) {
  const MainWindowState* state = StateOf(mainWindow);
  if (!state || !state->eventsEnabled) return;
  for (const EventBinding& binding : kEventBindings) {
    if (binding.control == control && binding.event == event) {
      binding.handler();
      return;
    }
  }
}
