// Starting the chosen program: what CreateProcessA is given, the handles it returns, a path that
// must start exactly the file it names, a document that opens as a double-click would, and the
// end of the program after every launch.
#include <set>
#include <string>
#include <vector>

#include "ActionSteps.h"
#include "actions/ProgramLaunch.h"
#include "app/Texts.h"

namespace {

using Calls = std::vector<std::string>;

std::string CreateCall(const std::string& commandLine) {
  return "CreateProcessA(null, \"" + commandLine + "\", null, null, 0, 0, null, null)";
}

std::string ShellOpenCall(const std::string& file) {
  return "ShellExecuteA(0, \"open\", \"" + file + "\", null, null, 1)";
}

class ProgramLaunchTest : public FakeSystemTest {
 protected:
  std::string process = std::to_string(fake.newProcess);
  std::string thread = std::to_string(fake.newThread);
};

TEST_F(ProgramLaunchTest, StartsShownNormallyWaitsASecondThenClosesThreadAndProcess) {
  const std::string commandLine = "C:\\Tools\\tool.exe --fast";
  EXPECT_TRUE(LaunchProgram(commandLine));
  EXPECT_EQ(fake.calls, (Calls{"GetFileAttributesA(\"" + commandLine + "\")", CreateCall(commandLine),
                               "WaitForInputIdle(" + process + ", 1000)", "CloseHandle(" + thread + ")",
                               "CloseHandle(" + process + ")"}));

  const platform::StartupInfoA& s = fake.startupInfo;
  EXPECT_EQ(s.cb, sizeof(platform::StartupInfoA));
  EXPECT_EQ(s.dwFlags, platform::STARTF_USESHOWWINDOW);
  EXPECT_EQ(s.wShowWindow, platform::SW_SHOWNORMAL);
  // Everything else zero: no desktop, title, position, size, console or standard handles.
  EXPECT_EQ(s.lpReserved, nullptr);
  EXPECT_EQ(s.lpDesktop, nullptr);
  EXPECT_EQ(s.lpTitle, nullptr);
  EXPECT_EQ(s.dwX | s.dwY | s.dwXSize | s.dwYSize | s.dwXCountChars | s.dwYCountChars | s.dwFillAttribute, 0u);
  EXPECT_EQ(s.cbReserved2, 0u);
  EXPECT_EQ(s.lpReserved2, nullptr);
  EXPECT_EQ(s.hStdInput | s.hStdOutput | s.hStdError, 0u);
}

TEST_F(ProgramLaunchTest, FailedStartReportsFalseAndHasNothingToCloseOrWaitFor) {
  fake.createProcessResult = 0;
  EXPECT_FALSE(LaunchProgram("no such program"));
  EXPECT_EQ(fake.calls.back(), CreateCall("no such program"));
  EXPECT_FALSE(AnyCallStartsWith("WaitForInputIdle("));
  EXPECT_FALSE(AnyCallStartsWith("CloseHandle("));
  EXPECT_FALSE(AnyCallStartsWith("ShellExecuteA("));
}

TEST_F(ProgramLaunchTest, EmptyTextIsAnEmptyCommandLineNeverANullOne) {
  fake.createProcessResult = 0;  // as the system answers an empty command line
  EXPECT_FALSE(LaunchProgram(""));
  EXPECT_TRUE(WasCalled(CreateCall("")));
  EXPECT_FALSE(AnyCallStartsWith("ShellExecuteA("));
}

TEST_F(ProgramLaunchTest, TextNamingAnExistingFileStartsExactlyThatFile) {
  const std::string spaced = "C:\\Program Files\\Tool\\app.exe";
  struct Case {
    const char* name;
    std::string text;
    std::set<std::string> files, folders;
    std::string commandLine;
  };
  const Case cases[] = {
      {"existing file with spaces is quoted", spaced, {spaced}, {}, "\"" + spaced + "\""},
      {"existing bare name is quoted", "tool.exe", {"tool.exe"}, {}, "\"tool.exe\""},
      {"missing file goes unchanged", spaced, {}, {}, spaced},
      {"folder goes unchanged", "C:\\Program Files\\Tool", {}, {"C:\\Program Files\\Tool"},
       "C:\\Program Files\\Tool"},
      {"command line with arguments goes unchanged", spaced + " --fast", {spaced}, {}, spaced + " --fast"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetFake();
    fake.existingFiles = c.files;
    fake.existingFolders = c.folders;
    EXPECT_TRUE(LaunchProgram(c.text));
    EXPECT_TRUE(WasCalled(CreateCall(c.commandLine)));
  }
}

TEST_F(ProgramLaunchTest, ExistingFileThatIsNotAProgramOpensAsADoubleClickWould) {
  const std::string document = "C:\\Docs\\read me.txt";
  struct Case {
    const char* name;
    std::string text;
    std::set<std::string> files, folders;
    platform::Bool started;
    std::intptr_t shellResult;
    bool opens;   // ShellExecuteA is asked to open the text
    bool result;
  };
  const Case cases[] = {
      {"document opens", document, {document}, {}, 0, 42, true, true},
      {"document has no program for its type", document, {document}, {}, 0, 31, true, false},
      {"program that started is not opened again", document, {document}, {}, 1, 42, false, true},
      {"missing file is not opened", document, {}, {}, 0, 42, false, false},
      {"folder is not opened", "C:\\Docs", {}, {"C:\\Docs"}, 0, 42, false, false},
      {"command line is not opened", document + " x", {document}, {}, 0, 42, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetFake();
    fake.existingFiles = c.files;
    fake.existingFolders = c.folders;
    fake.createProcessResult = c.started;
    fake.shellExecuteResult = c.shellResult;
    EXPECT_EQ(LaunchProgram(c.text), c.result);
    if (c.opens) {
      EXPECT_EQ(fake.calls.back(), ShellOpenCall(c.text));
    } else {
      EXPECT_FALSE(AnyCallStartsWith("ShellExecuteA("));
    }
  }
}

TEST_F(ProgramLaunchTest, RunProgramActionLaunchesTheTargetBoxTextAndAlwaysEndsTheProgram) {
  const std::string document = "C:\\Docs\\read me.txt";
  struct Case {
    const char* name;
    std::string target;
    std::set<std::string> files;
    platform::Bool started;
    std::intptr_t shellResult;
    std::string commandLine;
  };
  const Case cases[] = {
      {"program starts", "C:\\Tools\\tool.exe", {}, 1, 42, "C:\\Tools\\tool.exe"},
      {"start fails", "C:\\Tools\\gone.exe", {}, 0, 42, "C:\\Tools\\gone.exe"},
      {"target box emptied", "", {}, 0, 42, ""},
      {"document opens", document, {document}, 0, 42, "\"" + document + "\""},
      {"document cannot be opened", document, {document}, 0, 31, "\"" + document + "\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetFake();
    ChooseAction(texts::kActionRunProgram);
    SetTarget("C:\\Tools\\chosen first.exe");
    SetTarget(c.target);  // changed while counting down: the text at the end counts
    fake.existingFiles = c.files;
    fake.createProcessResult = c.started;
    fake.shellExecuteResult = c.shellResult;
    EXPECT_EQ(PerformActionExitCode(), 0u);
    EXPECT_TRUE(WasCalled(CreateCall(c.commandLine)));
    EXPECT_EQ(fake.calls.back(), "ExitProcess(0)");
  }
}

TEST_F(ProgramLaunchTest, ProgramEndsOnlyAfterBothHandlesAreClosed) {
  ChooseAction(texts::kActionRunProgram);
  SetTarget("C:\\Tools\\tool.exe");
  EXPECT_EQ(PerformActionExitCode(), 0u);
  const Calls tail(fake.calls.end() - 4, fake.calls.end());
  EXPECT_EQ(tail, (Calls{"WaitForInputIdle(" + process + ", 1000)", "CloseHandle(" + thread + ")",
                         "CloseHandle(" + process + ")", "ExitProcess(0)"}));
}

}  // namespace
