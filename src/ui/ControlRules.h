#pragma once
// How the drop-down lists and the timers take the values written to them.
#include <cstdint>

// The index a drop-down list with itemCount items selects when `requested` is written:
// past the end selects the last item, anything below -1 clears the selection (-1).
constexpr std::int32_t ClampSelection(std::int32_t requested, std::int32_t itemCount) {
  if (requested > itemCount - 1) requested = itemCount - 1;
  if (requested < -1) requested = -1;
  return requested;
}

// What writing a period does to a timer: a negative period counts as 0; writing the period the
// timer already has changes nothing, so a running timer keeps its phase.
struct PeriodChange {
  bool changed;     // false: nothing at all happens
  std::int32_t period;  // the new stored period
  bool stop;        // KillTimer first (the timer was running)
  bool start;       // then SetTimer with the new period
};

constexpr PeriodChange ChangePeriod(std::int32_t current, std::int32_t requested) {
  if (requested < 0) requested = 0;
  if (requested == current) return {false, current, false, false};
  return {true, requested, current > 0, requested > 0};
}
