#pragma once
// Shared by the action tests: set the two boxes as the user left them, run the step that ends a
// countdown, and tell whether (and how) it ended the program.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

#include "actions/PerformAction.h"
#include "fakes/FakeSystem.h"

// Picks the item that reads `text` in the action box, adding it to the list if it is not there.
inline void ChooseAction(const std::string& text) {
  FakeControl& box = Fake().Control(ControlId::组合框1);
  auto item = std::find(box.items.begin(), box.items.end(), text);
  if (item == box.items.end()) item = box.items.insert(box.items.end(), text);
  box.selection = static_cast<std::int32_t>(item - box.items.begin());
}

inline void SetTarget(const std::string& text) { Fake().Control(ControlId::编辑框2).text = text; }

// The exit code when PerformAction ended the program; nothing when it returned.
inline std::optional<std::uint32_t> PerformActionExitCode() {
  try {
    PerformAction();
  } catch (const ProgramExited& exited) {
    return exited.exitCode;
  }
  return std::nullopt;
}

inline bool WasCalled(const std::string& call) {
  const auto& calls = Fake().calls;
  return std::find(calls.begin(), calls.end(), call) != calls.end();
}

// True when some recorded call starts with `prefix` ("TerminateProcess(" for any termination).
inline bool AnyCallStartsWith(const std::string& prefix) {
  const auto& calls = Fake().calls;
  return std::any_of(calls.begin(), calls.end(),
                     [&](const std::string& call) { return call.rfind(prefix, 0) == 0; });
}
