// The step that ends a countdown: which action the action box text selects, and which of them
// end the program.
#include <optional>
#include <string>

#include "ActionSteps.h"
#include "app/Texts.h"

namespace {

class PerformActionTest : public FakeSystemTest {};

TEST_F(PerformActionTest, DispatchOnTheActionBoxText) {
  const std::string restart = texts::kActionRestart;
  const std::string runProgram = texts::kActionRunProgram;
  struct Case {
    std::string action;
    const char* telltaleCall;  // a call only that branch makes; null when nothing may happen
    std::optional<std::uint32_t> exitCode;
  };
  const Case cases[] = {
      {restart, "ExitWindowsEx(6, 65535)", std::nullopt},
      {texts::kActionShutdown, "ExitWindowsEx(5, 65535)", std::nullopt},
      {runProgram, "CreateProcessA(null, \"tool.exe\", null, null, 0, 0, null, null)", 0u},
      {texts::kActionCloseProgram, "CreateToolhelp32Snapshot(15, 0)", 0u},
      // Near misses and unknown texts do nothing at all.
      {"", nullptr, std::nullopt},
      {restart + " ", nullptr, std::nullopt},
      {runProgram.substr(0, 4), nullptr, std::nullopt},  // its first two characters
      {"Restart", nullptr, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("action \"" + c.action + "\"");
    ResetFake();
    ChooseAction(c.action);
    SetTarget("tool.exe");
    EXPECT_EQ(PerformActionExitCode(), c.exitCode);
    if (c.telltaleCall) {
      EXPECT_TRUE(WasCalled(c.telltaleCall));
    } else {
      EXPECT_TRUE(fake.calls.empty());
      EXPECT_TRUE(fake.writes.empty());
    }
  }
}

TEST_F(PerformActionTest, NoSelectionDoesNothing) {
  fake.Control(ControlId::组合框1).selection = -1;
  EXPECT_EQ(PerformActionExitCode(), std::nullopt);
  EXPECT_TRUE(fake.calls.empty());
}

TEST_F(PerformActionTest, TheActionSelectedWhenTheCountdownEndsIsTheOnePerformed) {
  ChooseAction(texts::kActionShutdown);  // as it stood when OK was pressed
  SetTarget("tool.exe");
  ChooseAction(texts::kActionRunProgram);  // changed while counting down
  EXPECT_EQ(PerformActionExitCode(), 0u);
  EXPECT_FALSE(AnyCallStartsWith("ExitWindowsEx("));

  ResetFake();
  ChooseAction(texts::kActionCloseProgram);
  ChooseAction(texts::kActionRestart);
  EXPECT_EQ(PerformActionExitCode(), std::nullopt);
  EXPECT_EQ(fake.calls.back(), "ExitWindowsEx(6, 65535)");
  EXPECT_FALSE(AnyCallStartsWith("CreateToolhelp32Snapshot("));

  // Nothing is kept from one countdown to the next.
  ChooseAction(texts::kActionShutdown);
  EXPECT_EQ(PerformActionExitCode(), std::nullopt);
  EXPECT_EQ(fake.calls.back(), "ExitWindowsEx(5, 65535)");
}

}  // namespace
