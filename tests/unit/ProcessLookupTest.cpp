// Finding the process behind a program's first visible window and terminating it: the name
// folding, the matching, the two lists, and the close action that always ends the program.
#include <string>
#include <vector>

#include "ActionSteps.h"
#include "actions/ProcessLookup.h"
#include "app/Globals.h"
#include "app/Texts.h"

namespace {

using Calls = std::vector<std::string>;

class ProcessLookupTest : public FakeSystemTest {
 protected:
  void TearDown() override { windowList.clear(); }
};

TEST(LowerCaseNameTest, FoldsAsciiCapitalsOnlyAndKeepsDoubleByteCharactersWhole) {
  struct Case {
    std::string name, lower;
  };
  const Case cases[] = {
      {"", ""},
      {"NOTEPAD.EXE", "notepad.exe"},
      {"already lower.exe", "already lower.exe"},
      {"@AZ[`az{", "@az[`az{"},              // only A..Z move
      {"\x7F" "A", "\x7F" "a"},              // 0x7F is not a lead byte
      {"\x81" "A" "B", "\x81" "A" "b"},      // a trail byte that looks like 'A' stays
      {"\x80" "Z" "Z", "\x80" "z" "z"},      // 0x80, the euro sign, stands alone
      {"\xFE" "\x81" "A", "\xFE" "\x81" "a"},  // a trail byte of 0x81 does not lead in turn
      {"\xB2\xE2\xCA\xD4.EXE", "\xB2\xE2\xCA\xD4.exe"},
      {"AB\x81", "ab\x81"},                  // a lead byte right before the end
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(LowerCaseName(c.name), c.lower);
  }
}

TEST_F(ProcessLookupTest, FirstQualifyingWindowInEnumerationOrderWins) {
  struct Case {
    const char* name;
    std::vector<FakeProcess> processes;
    std::vector<FakeWindow> windows;
    std::string exeName;
    std::intptr_t expected;
  };
  const std::vector<FakeProcess> twoInstances = {{10, "app.exe"}, {20, "APP.EXE"}, {30, "other.exe"}};
  const Case cases[] = {
      {"window order, not process order", twoInstances, {{0x300, true, 30}, {0x200, true, 20}, {0x100, true, 10}},
       "App.Exe", 0x200},
      {"invisible windows are passed over", twoInstances, {{0x100, false, 10}, {0x200, true, 20}}, "app.exe", 0x200},
      {"a process without a visible window is never found", twoInstances, {{0x100, false, 10}, {0x300, true, 30}},
       "app.exe", -1},
      {"no such process", twoInstances, {{0x100, true, 10}}, "notepad.exe", -1},
      {"a folder part never matches", twoInstances, {{0x100, true, 10}}, "C:\\bin\\app.exe", -1},
      {"process id 0 is skipped", {{0, "idle.exe"}}, {{0x100, true, 0}}, "idle.exe", -1},
      {"double-byte names match exactly", {{10, "\xB2\xE2\xCA\xD4.exe"}}, {{0x100, true, 10}},
       "\xB2\xE2\xCA\xD4.EXE", 0x100},
      {"a trail byte is not folded", {{10, "\x81" "A.exe"}}, {{0x100, true, 10}}, "\x81" "a.exe", -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetFake();
    fake.processes = c.processes;
    fake.windows = c.windows;
    EXPECT_EQ(FindWindowByProcess(c.exeName), c.expected);
    EXPECT_TRUE(windowList.empty());
  }
}

TEST_F(ProcessLookupTest, EmptyNameIsZeroWithoutAnySystemCall) {
  fake.processes = {{10, ""}};
  fake.windows = {{0x100, true, 10}};
  EXPECT_EQ(FindWindowByProcess(""), 0);
  EXPECT_TRUE(fake.calls.empty());
}

TEST_F(ProcessLookupTest, FailedSnapshotFindsNothing) {
  for (bool invalidHandle : {true, false}) {
    SCOPED_TRACE(invalidHandle ? "INVALID_HANDLE_VALUE" : "0");
    ResetFake();
    fake.snapshotFails = invalidHandle;
    fake.snapshot = 0;
    fake.processes = {{10, "app.exe"}};
    fake.windows = {{0x100, true, 10}};
    std::vector<ProcessEntry> processes = {{99, "left over.exe"}};
    EXPECT_EQ(ListProcesses(processes), 0);
    EXPECT_TRUE(processes.empty());
    EXPECT_EQ(fake.calls, Calls{"CreateToolhelp32Snapshot(15, 0)"});
    EXPECT_EQ(FindWindowByProcess("app.exe"), -1);
  }
}

TEST_F(ProcessLookupTest, ListProcessesWalksTheWholeSnapshotAndClosesIt) {
  fake.processes = {{0, "[System Process]"}, {4, "System"}, {1234, "Plumweir.exe"}};
  std::vector<ProcessEntry> processes = {{99, "left over.exe"}};
  EXPECT_EQ(ListProcesses(processes), 2);
  ASSERT_EQ(processes.size(), 2u);
  EXPECT_EQ(processes[0].processId, 4u);
  EXPECT_EQ(processes[0].exeName, "System");
  EXPECT_EQ(processes[1].processId, 1234u);
  EXPECT_EQ(processes[1].exeName, "Plumweir.exe");

  const std::string snapshot = std::to_string(fake.snapshot);
  const std::string size = std::to_string(sizeof(platform::ProcessEntry32));
  const std::string next = "Process32Next(" + snapshot + ", " + size + ")";
  EXPECT_EQ(fake.calls, (Calls{"CreateToolhelp32Snapshot(15, 0)", "Process32First(" + snapshot + ", " + size + ")",
                               next, next, next, "CloseHandle(" + snapshot + ")"}));
}

TEST_F(ProcessLookupTest, ListVisibleWindowsKeepsVisibleOnesInOrderAndEmptiesTheGlobalList) {
  fake.windows = {{0x300, true, 30}, {0x100, false, 10}, {0x200, true, 20}};
  std::vector<WindowEntry> windows = {{0x999, 9}};
  EXPECT_EQ(ListVisibleWindows(windows), 2);
  ASSERT_EQ(windows.size(), 2u);
  EXPECT_EQ(windows[0].windowHandle, 0x300u);
  EXPECT_EQ(windows[0].processId, 30u);
  EXPECT_EQ(windows[1].windowHandle, 0x200u);
  EXPECT_EQ(windows[1].processId, 20u);
  EXPECT_TRUE(windowList.empty());
  EXPECT_EQ(fake.calls, Calls{"EnumWindows(0)"});

  // A second enumeration starts from nothing.
  fake.windows = {{0x400, true, 40}};
  EXPECT_EQ(ListVisibleWindows(windows), 1);
  EXPECT_EQ(windows[0].windowHandle, 0x400u);
}

TEST_F(ProcessLookupTest, CollectWindowAppendsOnlyVisibleWindows) {
  fake.windows = {{0x100, false, 10}, {0x200, true, 20}};
  CollectWindow(0x100);
  EXPECT_TRUE(windowList.empty());
  CollectWindow(0x200);
  ASSERT_EQ(windowList.size(), 1u);
  EXPECT_EQ(windowList[0].windowHandle, 0x200u);
  EXPECT_EQ(windowList[0].processId, 20u);
}

TEST_F(ProcessLookupTest, GetWindowProcessIdGivesMinusOneWhenThereIsNoProcess) {
  fake.windows = {{0x200, true, 20}};
  struct Case {
    std::intptr_t window;
    std::int32_t processId;
  };
  const Case cases[] = {{0x200, 20}, {0, -1}, {-1, -1}, {0x999, -1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.window);
    EXPECT_EQ(GetWindowProcessId(c.window), c.processId);
  }
}

TEST_F(ProcessLookupTest, KillProcessTerminatesWithExitCodeZeroAndClosesTheHandle) {
  const std::string handle = std::to_string(0xA000 + 77);
  struct Case {
    const char* name;
    bool openFails;
    platform::Bool terminated;
    Calls expected;
    bool result;
  };
  const Case cases[] = {
      {"terminated", false, 1,
       {"OpenProcess(1, 0, 77)", "TerminateProcess(" + handle + ", 0)", "CloseHandle(" + handle + ")"}, true},
      {"OpenProcess refused", true, 1, {"OpenProcess(1, 0, 77)"}, false},
      {"TerminateProcess refused", false, 0,
       {"OpenProcess(1, 0, 77)", "TerminateProcess(" + handle + ", 0)", "CloseHandle(" + handle + ")"}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetFake();
    fake.openProcessFails = c.openFails;
    fake.terminateResult = c.terminated;
    EXPECT_EQ(KillProcess(77), c.result);
    EXPECT_EQ(fake.calls, c.expected);
  }
}

TEST_F(ProcessLookupTest, CloseProgramActionTerminatesTheFirstWindowsProcessThenEnds) {
  fake.processes = {{10, "app.exe"}, {20, "app.exe"}};
  fake.windows = {{0x200, true, 20}, {0x100, true, 10}};
  ChooseAction(texts::kActionCloseProgram);
  SetTarget("APP.EXE");
  EXPECT_EQ(PerformActionExitCode(), 0u);
  const std::string handle = std::to_string(0xA000 + 20);
  const Calls tail(fake.calls.end() - 4, fake.calls.end());
  EXPECT_EQ(tail, (Calls{"OpenProcess(1, 0, 20)", "TerminateProcess(" + handle + ", 0)",
                         "CloseHandle(" + handle + ")", "ExitProcess(0)"}));
  EXPECT_TRUE(windowList.empty());
}

TEST_F(ProcessLookupTest, CloseProgramActionEndsEvenWhenNothingIsTerminated) {
  struct Case {
    const char* name;
    std::string target;
    bool openFails;
    platform::Bool terminated;
  };
  const Case cases[] = {
      {"target box emptied", "", true, 1},  // OpenProcess(-1) fails on the real system
      {"no visible window", "gone.exe", true, 1},
      {"termination refused", "app.exe", false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetFake();
    fake.processes = {{10, "app.exe"}};
    fake.windows = {{0x100, true, 10}};
    fake.openProcessFails = c.openFails;
    fake.terminateResult = c.terminated;
    ChooseAction(texts::kActionCloseProgram);
    SetTarget(c.target);
    EXPECT_EQ(PerformActionExitCode(), 0u);
    EXPECT_EQ(fake.calls.back(), "ExitProcess(0)");
    EXPECT_EQ(AnyCallStartsWith("CreateToolhelp32Snapshot("), !c.target.empty());
  }
}

TEST_F(ProcessLookupTest, UtilitysOwnNameTerminatesItself) {
  const std::uint32_t self = 1234;
  fake.processes = {{4, "System"}, {self, "Plumweir.exe"}};
  fake.windows = {{0x100, false, 4}, {kFakeMainWindow, true, self}};
  ChooseAction(texts::kActionCloseProgram);
  SetTarget("plumweir.exe");
  EXPECT_EQ(PerformActionExitCode(), 0u);
  EXPECT_TRUE(WasCalled("TerminateProcess(" + std::to_string(0xA000 + self) + ", 0)"));
}

}  // namespace
