#pragma once
// A recording fake of the seam and of the window's controls. Every system call the logic makes
// is written to `calls` as "Name(arg, ...)"; results come from the scripted fields below.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "ui/Controls.h"

// The fake ExitProcess throws this, so that a test sees that nothing after the call ran.
struct ProgramExited {
  std::uint32_t exitCode;
};

struct FakeProcess {
  std::uint32_t processId;
  std::string exeName;
};

struct FakeWindow {
  platform::Handle handle;
  bool visible;
  std::uint32_t processId;
};

struct FakeControl {
  std::string text;  // edit boxes; the file dialog's FileName
  bool visible = false;
  bool disabled = false;
  std::int32_t period = 0;
  std::int32_t selection = -1;
  std::vector<std::string> items;
};

// What the file dialog was asked to show, copied at the moment of the call.
struct DialogRequest {
  platform::OpenFileNameA record;
  std::string filterBytes;  // the whole filter list up to and including its final double zero
  std::string initialFile;  // the file buffer's text when the dialog opened
};

struct FakeSystem {
  std::vector<std::string> calls;
  std::vector<std::string> writes;  // "控件.Property=value", in order
  std::vector<std::string> messages;  // texts of the message boxes shown

  // Runs inside a modal box (message box, file dialog), as a nested message loop would.
  std::function<void()> whileModal;

  // Power control
  std::uint32_t version = 0x23F00206;  // bit 31 clear: NT
  std::uint32_t platformId = platform::VER_PLATFORM_WIN32_NT;
  platform::Bool openProcessTokenResult = 1;
  platform::Handle token = 0x7010;
  platform::Bool lookupPrivilegeResult = 1;
  platform::Luid luid = {19, 0};
  platform::Bool adjustResult = 1;
  platform::OsVersionInfoA versionRequest{};
  platform::TokenPrivileges newState{};
  platform::TokenPrivileges previousStateAtCall{};
  std::uint32_t adjustBufferLength = 0;

  // Launch
  platform::Bool createProcessResult = 1;
  platform::Handle newProcess = 0x8010;
  platform::Handle newThread = 0x8020;
  platform::StartupInfoA startupInfo{};
  std::set<std::string> existingFiles;
  std::set<std::string> existingFolders;
  std::intptr_t shellExecuteResult = 42;
  std::map<std::string, std::string> registry;  // key path -> default value
  std::uint32_t winExecResult = 33;

  // Processes and windows
  bool snapshotFails = false;
  platform::Handle snapshot = 0x9010;  // what a snapshot that does not fail returns
  std::vector<FakeProcess> processes;
  std::vector<FakeWindow> windows;
  bool openProcessFails = false;
  platform::Bool terminateResult = 1;

  // File dialog: the path the user confirms, or nothing for a cancel.
  std::optional<std::string> dialogChoice;
  // A path too long for the buffer is refused (Windows: FNERR_BUFFERTOOSMALL), or, as Wine 8
  // does, written cut to the buffer without a terminating zero and reported as chosen.
  bool dialogCutsLongPath = false;
  std::vector<DialogRequest> dialogRequests;
  platform::Handle focus = 0;
  bool mainWindowEnabled = true;
  std::set<platform::Handle> destroyedWindows;

  // Tooltips added, as "handle:text".
  std::vector<std::string> tooltips;

  FakeControl controls[kControlCount];
  std::vector<std::string> statusParts = {""};

  FakeControl& Control(ControlId id) { return controls[static_cast<int>(id)]; }
};

FakeSystem& Fake();
// Back to a freshly loaded window: the template's texts and states, no selections, no calls.
void ResetFake();

// The window handle the fake gives each control, and the main window.
platform::Handle FakeHandleOf(ControlId control);
constexpr platform::Handle kFakeMainWindow = 0x500;

class FakeSystemTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetFake(); }
  FakeSystem& fake = Fake();
};
