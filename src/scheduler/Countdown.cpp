#include "scheduler/Countdown.h"

#include <cstdint>
#include <string>

#include "actions/PerformAction.h"
#include "app/Globals.h"
#include "app/Texts.h"
#include "platform/Platform.h"
#include "scheduler/AmountNumber.h"
#include "ui/Controls.h"

namespace {

constexpr std::int32_t kTickPeriod = 1000;  // ms
constexpr std::int32_t kSecondsPerMinute = 60;
constexpr double kMinutesPerHour = 60.0;
constexpr double kMinuteStep = 1.0;
constexpr double kEndThreshold = 0.0000001;  // minutes mode ends at or below this

void ShowMessage(const char* text) {
  platform::MessageBoxA(0, text, texts::kMessageCaption, platform::MB_OK | platform::MB_TASKMODAL);
}

std::string Text(ControlId control) { return ReadProperty(control, ControlProperty::Text); }

// Whole minutes in an amount of hours: truncated toward zero to 64 bits (0 when the product lies
// outside that range), of which the low 32 bits are kept.
std::int32_t WholeMinutes(double hours) {
  const double product = hours * kMinutesPerHour;
  std::int64_t minutes = 0;
  if (product > -9223372036854775808.0 && product < 9223372036854775808.0)  // false for NaN too
    minutes = static_cast<std::int64_t>(product);
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(minutes)));
}

}  // namespace

void StartCountdown() {
  // A forced restart or shutdown must not follow from an amount that gives no time to wait, so
  // an amount of 0 or less is refused like a missing one.
  const std::string amount = Text(ControlId::编辑框1);
  if (amount.empty() || !(ReadAmountNumber(amount) > 0.0)) return ShowMessage(texts::kNoAmount);

  const std::string action = Text(ControlId::组合框1);
  const bool noTarget = Text(ControlId::编辑框2).empty();
  if (noTarget && action == texts::kActionCloseProgram) return ShowMessage(texts::kNoCloseTarget);
  if (noTarget && action == texts::kActionRunProgram) return ShowMessage(texts::kNoRunTarget);

  const std::string unit = Text(ControlId::组合框2);
  if (unit == texts::kUnitMinutes) {
    WriteProperty(ControlId::时钟2, ControlProperty::Period, kTickPeriod);
  } else if (unit == texts::kUnitHours) {
    // An hours countdown ends only when its minutes reach exactly 0, so it must start above 0.
    const std::int32_t minutes = WholeMinutes(ReadAmountNumber(amount));
    if (minutes <= 0) return ShowMessage(texts::kNoAmount);
    minutesLeft = minutes;
    WriteProperty(ControlId::时钟1, ControlProperty::Period, kTickPeriod);
  }
  secondsLeft = kSecondsPerMinute;
  WriteProperty(ControlId::按钮1, ControlProperty::Disabled, true);
  WriteProperty(ControlId::按钮2, ControlProperty::Disabled, false);
}

void CancelCountdown() {
  WriteProperty(ControlId::按钮1, ControlProperty::Disabled, false);
  WriteProperty(ControlId::按钮2, ControlProperty::Disabled, true);
  WriteProperty(ControlId::时钟1, ControlProperty::Period, 0);
  WriteProperty(ControlId::时钟2, ControlProperty::Period, 0);
  SetStatusText(0, "");
}

void MinutesTick() {
  --secondsLeft;
  SetStatusText(0, texts::kStatusPrefix + std::to_string(secondsLeft) + texts::kSecondsLabel);
  if (secondsLeft != 0) return;

  // A minute boundary: the amount box is the minute counter.
  const double amount = ReadAmountNumber(Text(ControlId::编辑框1));
  WriteProperty(ControlId::编辑框1, ControlProperty::Text, WriteAmountNumber(amount - kMinuteStep));
  secondsLeft = kSecondsPerMinute;

  // Only the amount left at a boundary decides, so that an edit passing through an empty or
  // non-positive text between boundaries cannot end the countdown.
  if (ReadAmountNumber(Text(ControlId::编辑框1)) > kEndThreshold) return;
  WriteProperty(ControlId::时钟2, ControlProperty::Period, 0);
  PerformAction();
}

void HoursTick() {
  --secondsLeft;
  SetStatusText(0, texts::kStatusPrefix + std::to_string(minutesLeft) + texts::kMinutesLabel +
                       std::to_string(secondsLeft) + texts::kSecondsLabel);
  if (secondsLeft != 0) return;
  --minutesLeft;
  secondsLeft = kSecondsPerMinute;
  if (minutesLeft != 0) return;
  WriteProperty(ControlId::时钟1, ControlProperty::Period, 0);
  PerformAction();
}
