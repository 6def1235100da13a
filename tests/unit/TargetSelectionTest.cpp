// Choosing the target of the program actions: the handler, the dialog request, the modal
// window handling around it.
#include "ui/TargetSelection.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "app/Texts.h"
#include "fakes/FakeSystem.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

const std::string kNotepad = "C:\\Windows\\notepad.exe";

// What each program action puts in the target box for notepad: the run action the full path,
// the close action the bare name.
const struct {
  const char* action;
  std::string box;
} kTargetOfEachAction[] = {{texts::kActionRunProgram, kNotepad}, {texts::kActionCloseProgram, "notepad.exe"}};

std::string H(platform::Handle handle) { return std::to_string(handle); }

std::string NoTargetMessageCall() {
  return std::string("MessageBoxA(0, \"") + texts::kNoTargetChosen + "\", \"" + texts::kMessageCaption + "\", " +
         std::to_string(platform::MB_OK | platform::MB_TASKMODAL) + ")";
}

class TargetSelectionTest : public FakeSystemTest {
 protected:
  // The user picks an item of the action box; the list reports it once the list has closed.
  void Pick(const char* item) {
    FakeControl& box = fake.Control(ControlId::组合框1);
    const auto found = std::find(box.items.begin(), box.items.end(), item);
    ASSERT_NE(found, box.items.end());
    box.selection = static_cast<std::int32_t>(found - box.items.begin());
    ActionSelected();
  }
  // A confirmed dialog, then a fresh record of what comes next.
  void ConfirmEarlier(const char* action, const std::string& path) {
    fake.dialogChoice = path;
    Pick(action);
    fake.dialogChoice.reset();
    fake.calls.clear();
    fake.writes.clear();
    fake.dialogRequests.clear();
  }
  const FakeControl& TargetBox() { return fake.Control(ControlId::编辑框2); }
  const std::string& Status() { return fake.statusParts[0]; }
};

TEST_F(TargetSelectionTest, AProgramActionShowsTheBoxThenFillsItAndPutsTheFullPathInTheStatusBar) {
  for (const auto& row : kTargetOfEachAction) {
    SCOPED_TRACE(row.action);
    ResetFake();
    fake.dialogChoice = kNotepad;
    Pick(row.action);
    EXPECT_THAT(fake.writes, ElementsAre("标签2.Visible=true", "编辑框2.Visible=true", "编辑框2.Disabled=false",
                                         "通用对话框2.FileName=" + kNotepad, "编辑框2.Text=" + row.box));
    EXPECT_EQ(TargetBox().text, row.box);
    EXPECT_EQ(Status(), kNotepad);
    EXPECT_EQ(fake.dialogRequests.size(), 1u);
    EXPECT_THAT(fake.messages, IsEmpty());
  }
}

// The close action compares the box with executable names, so any path must leave the whole
// bare name there.
TEST_F(TargetSelectionTest, CloseProgramLeavesTheWholeBareNameForAnyPath) {
  const struct {
    std::string path;
    std::string box;
  } cases[] = {
      {"\\\\server\\share\\folder\\app.exe", "app.exe"},
      {"C:\\1\\2\\3\\4\\5\\6\\7\\8\\9\\10\\11\\12\\13\\x.exe", "x.exe"},
      {"C:\\" + std::string(130, 'f') + "\\a.exe", "a.exe"},
      {"C:\\dir\\" + std::string(150, 'n') + ".exe", std::string(150, 'n') + ".exe"},
      {"C:\\\x90\x5C" "dir\\tool.exe", "tool.exe"},
      {"C:\\dir\\\x90\x5C" "tool.exe", "\x90\x5C" "tool.exe"},
      {"D:\\Apps\\tool.exe", "tool.exe"},  // a typed name the dialog completed with "exe"
      {"C:\\\x80\\tool.exe", "tool.exe"},   // a folder named by the euro sign, one byte in code page 936
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.path);
    ResetFake();
    fake.dialogChoice = row.path;
    Pick(texts::kActionCloseProgram);
    EXPECT_EQ(TargetBox().text, row.box);
    EXPECT_EQ(Status(), row.path);
  }
}

TEST_F(TargetSelectionTest, CancelWithoutAnEarlierFileShowsTheMessageAndKeepsBoxAndStatusBar) {
  for (const char* action : {texts::kActionRunProgram, texts::kActionCloseProgram}) {
    SCOPED_TRACE(action);
    ResetFake();
    fake.Control(ControlId::编辑框2).text = "typed";
    fake.statusParts[0] = "earlier status";
    Pick(action);
    EXPECT_THAT(fake.messages, ElementsAre(texts::kNoTargetChosen));
    EXPECT_EQ(fake.calls.back(), NoTargetMessageCall());
    EXPECT_THAT(fake.writes, ElementsAre("标签2.Visible=true", "编辑框2.Visible=true", "编辑框2.Disabled=false"));
    EXPECT_TRUE(fake.Control(ControlId::标签2).visible);
    EXPECT_TRUE(TargetBox().visible);
    EXPECT_FALSE(TargetBox().disabled);
    EXPECT_EQ(TargetBox().text, "typed");
    EXPECT_EQ(Status(), "earlier status");
    EXPECT_EQ(fake.Control(ControlId::通用对话框2).text, "");
  }
}

TEST_F(TargetSelectionTest, CancelAfterAnEarlierFileReusesItWithoutAMessage) {
  for (const auto& row : kTargetOfEachAction) {
    SCOPED_TRACE(row.action);
    ResetFake();
    ConfirmEarlier(texts::kActionRunProgram, kNotepad);
    fake.Control(ControlId::编辑框2).text = "edited by the user";
    fake.statusParts[0] = "";
    Pick(row.action);
    ASSERT_EQ(fake.dialogRequests.size(), 1u);
    EXPECT_EQ(fake.dialogRequests[0].initialFile, kNotepad);
    EXPECT_THAT(fake.messages, IsEmpty());
    EXPECT_EQ(TargetBox().text, row.box);
    EXPECT_EQ(Status(), kNotepad);
    EXPECT_EQ(fake.Control(ControlId::通用对话框2).text, kNotepad);
  }
}

TEST_F(TargetSelectionTest, EveryPickOfAProgramActionOpensTheDialogAgain) {
  ConfirmEarlier(texts::kActionCloseProgram, kNotepad);
  fake.dialogChoice = "C:\\Tools\\other.exe";
  Pick(texts::kActionCloseProgram);
  Pick(texts::kActionCloseProgram);
  Pick(texts::kActionRunProgram);
  ASSERT_EQ(fake.dialogRequests.size(), 3u);
  EXPECT_EQ(fake.dialogRequests[0].initialFile, kNotepad);
  EXPECT_EQ(fake.dialogRequests[1].initialFile, "C:\\Tools\\other.exe");
  EXPECT_EQ(TargetBox().text, "C:\\Tools\\other.exe");
}

TEST_F(TargetSelectionTest, RestartAndShutdownDoNothing) {
  for (const char* action : {texts::kActionRestart, texts::kActionShutdown}) {
    SCOPED_TRACE(action);
    ResetFake();
    Pick(action);
    EXPECT_THAT(fake.calls, IsEmpty());
    EXPECT_THAT(fake.writes, IsEmpty());
    EXPECT_FALSE(TargetBox().visible);

    // After a program action the label and the box stay as they are.
    ConfirmEarlier(texts::kActionCloseProgram, kNotepad);
    Pick(action);
    EXPECT_THAT(fake.calls, IsEmpty());
    EXPECT_THAT(fake.writes, IsEmpty());
    EXPECT_TRUE(fake.Control(ControlId::标签2).visible);
    EXPECT_TRUE(TargetBox().visible);
    EXPECT_FALSE(TargetBox().disabled);
    EXPECT_EQ(TargetBox().text, "notepad.exe");
    EXPECT_EQ(Status(), kNotepad);
  }
}

TEST_F(TargetSelectionTest, DialogRequestCarriesTheSettings) {
  fake.Control(ControlId::通用对话框2).text = kNotepad;
  // Pointers in the request are only valid during the call.
  std::string defaultExtension;
  fake.whileModal = [&] {
    const platform::OpenFileNameA& live = fake.dialogRequests.back().record;
    if (live.lpstrDefExt) defaultExtension = live.lpstrDefExt;
  };
  fake.dialogChoice = kNotepad;
  ASSERT_TRUE(OpenFileDialog());
  ASSERT_EQ(fake.dialogRequests.size(), 1u);
  const DialogRequest& request = fake.dialogRequests[0];
  const platform::OpenFileNameA& record = request.record;
  EXPECT_EQ(record.lStructSize, sizeof(platform::OpenFileNameA));
  EXPECT_EQ(record.hwndOwner, kFakeMainWindow);
  EXPECT_EQ(request.filterBytes, texts::kFileFilterDescription + std::string(3, '\0'));
  EXPECT_EQ(record.nFilterIndex, 1u);
  EXPECT_EQ(record.nMaxFile, 520u);  // MAX_PATH characters of two bytes
  EXPECT_EQ(request.initialFile, kNotepad);
  EXPECT_EQ(record.lpstrTitle, nullptr);
  EXPECT_EQ(record.lpstrInitialDir, nullptr);
  EXPECT_EQ(defaultExtension, "exe");
  EXPECT_EQ(record.Flags, platform::OFN_HIDEREADONLY | platform::OFN_OVERWRITEPROMPT | platform::OFN_EXPLORER |
                              platform::OFN_ENABLESIZING);
  EXPECT_EQ(record.lpstrCustomFilter, nullptr);
  EXPECT_EQ(record.lpfnHook, nullptr);
}

TEST_F(TargetSelectionTest, DialogBufferHoldsAtMostTheFirst518BytesOfTheFileName) {
  const std::string longName = "C:\\" + std::string(600, 'x');
  fake.Control(ControlId::通用对话框2).text = longName;
  EXPECT_FALSE(OpenFileDialog());
  ASSERT_EQ(fake.dialogRequests.size(), 1u);
  EXPECT_EQ(fake.dialogRequests[0].initialFile, longName.substr(0, 518));
  EXPECT_EQ(fake.Control(ControlId::通用对话框2).text, longName);  // a cancel changes nothing
}

// Paths are MAX_PATH characters, and in code page 936 most characters of a Chinese path take two
// bytes: a path the dialog gives must reach the target box whole, never cut.
TEST_F(TargetSelectionTest, AChineseFolderPathLongerThan259BytesIsTakenWhole) {
  std::string folder = "C:";
  for (int level = 0; level < 6; ++level) folder += "\\" + std::string(40, '\xD6');  // 20 characters a level
  const std::string path = folder + "\\abcdefghijklmnopqrstuvwxyz.exe";
  ASSERT_GT(path.size(), 259u);
  for (const bool wineCuts : {false, true}) {
    SCOPED_TRACE(wineCuts);
    ResetFake();
    fake.dialogCutsLongPath = wineCuts;
    fake.dialogChoice = path;
    Pick(texts::kActionRunProgram);
    EXPECT_EQ(TargetBox().text, path);
    EXPECT_EQ(Status(), path);
    EXPECT_THAT(fake.messages, IsEmpty());
  }
}

// Should a path still not fit, nothing cut is taken for the target: it counts as a failed dialog.
TEST_F(TargetSelectionTest, APathTheDialogHadToCutIsNotTaken) {
  const std::string tooLong = "C:\\" + std::string(600, 'x') + ".exe";
  for (const bool hadEarlier : {false, true}) {
    SCOPED_TRACE(hadEarlier);
    ResetFake();
    if (hadEarlier) ConfirmEarlier(texts::kActionRunProgram, kNotepad);
    fake.dialogCutsLongPath = true;
    fake.dialogChoice = tooLong;
    EXPECT_FALSE(OpenFileDialog());
    EXPECT_EQ(fake.Control(ControlId::通用对话框2).text, hadEarlier ? kNotepad : "");
  }
}

TEST_F(TargetSelectionTest, MainWindowIsDisabledDuringTheDialogAndTheFocusReturnsAfter) {
  const platform::Handle actionBox = FakeHandleOf(ControlId::组合框1);
  fake.focus = actionBox;
  bool enabledDuringDialog = true;
  fake.whileModal = [&] {
    enabledDuringDialog = fake.mainWindowEnabled;
    fake.focus = 0x7777;  // the dialog's own control
  };
  fake.dialogChoice = kNotepad;
  EXPECT_TRUE(OpenFileDialog());
  EXPECT_FALSE(enabledDuringDialog);
  EXPECT_TRUE(fake.mainWindowEnabled);
  EXPECT_EQ(fake.focus, actionBox);
  EXPECT_THAT(fake.calls, ElementsAre("EnableWindow(" + H(kFakeMainWindow) + ", 0)",
                                      "GetOpenFileNameA(" + H(kFakeMainWindow) + ")",
                                      "EnableWindow(" + H(kFakeMainWindow) + ", 1)", "SetFocus(" + H(actionBox) + ")"));
}

TEST_F(TargetSelectionTest, AnAlreadyDisabledMainWindowStaysDisabled) {
  fake.mainWindowEnabled = false;
  fake.dialogChoice.reset();
  EXPECT_FALSE(OpenFileDialog());
  EXPECT_FALSE(fake.mainWindowEnabled);
  EXPECT_THAT(fake.calls, ElementsAre("GetOpenFileNameA(" + H(kFakeMainWindow) + ")"));
}

TEST_F(TargetSelectionTest, FocusIsNotGivenToAWindowThatIsGone) {
  const platform::Handle gone = FakeHandleOf(ControlId::组合框1);
  for (const bool hadFocus : {true, false}) {
    SCOPED_TRACE(hadFocus);
    ResetFake();
    fake.focus = hadFocus ? gone : 0;
    fake.whileModal = [&] {
      fake.destroyedWindows.insert(gone);
      fake.focus = 0x7777;
    };
    OpenFileDialog();
    for (const std::string& call : fake.calls) EXPECT_EQ(call.rfind("SetFocus", 0), std::string::npos) << call;
  }
}

// A countdown tick runs inside the dialog's and the message box's nested loops; the handler must
// not overwrite what the tick wrote, and must read the file name only after the dialog.
TEST_F(TargetSelectionTest, ATickCanRunWhileTheDialogIsOpen) {
  int ticks = 0;
  fake.whileModal = [&] {
    ++ticks;
    SetStatusText(0, "tick " + std::to_string(ticks));
    WriteProperty(ControlId::编辑框1, ControlProperty::Text, std::to_string(100 - ticks));
  };
  Pick(texts::kActionRunProgram);  // cancelled, no earlier file: the dialog, then the message box
  EXPECT_EQ(ticks, 2);
  EXPECT_EQ(Status(), "tick 2");
  EXPECT_EQ(fake.Control(ControlId::编辑框1).text, "98");

  fake.dialogChoice = kNotepad;
  Pick(texts::kActionCloseProgram);
  EXPECT_EQ(ticks, 3);
  EXPECT_EQ(Status(), kNotepad);
  EXPECT_EQ(TargetBox().text, "notepad.exe");
  EXPECT_EQ(fake.Control(ControlId::编辑框1).text, "97");
}

}  // namespace
