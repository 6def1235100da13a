#include "ui/win32/TimerWindow.h"

#include "ui/ControlRules.h"
#include "ui/win32/Events.h"
#include "ui/win32/WindowClass.h"

const char kTimerClassName[] = "PlumweirTimer";

namespace {

void OnTimer(HWND timer, WPARAM timerId) {
  if (timerId != kTimerId) return;
  if (const std::optional<ControlId> control = ControlOf(timer))
    RaiseEvent(GetAncestor(timer, GA_ROOT), *control, ControlEvent::Periodic);
}

LRESULT CALLBACK TimerProc(HWND timer, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      OnTimer(timer, wParam);
      return 0;
  }
  return DefWindowProcA(timer, message, wParam, lParam);
}

}  // namespace

bool RegisterTimerClass(HINSTANCE instance) {
  return RegisterOwnWindowClass(instance, {kTimerClassName, TimerProc, 0, nullptr, 0});
}

void SetTimerPeriod(HWND timer, std::int32_t period) {
  const auto current = static_cast<std::int32_t>(GetWindowLongPtrA(timer, GWLP_USERDATA));
  const PeriodChange change = ChangePeriod(current, period);
  if (!change.changed) return;
  SetWindowLongPtrA(timer, GWLP_USERDATA, change.period);
  if (change.stop) KillTimer(timer, kTimerId);
  if (change.start) SetTimer(timer, kTimerId, static_cast<UINT>(change.period), nullptr);
}
