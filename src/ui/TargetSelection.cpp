#include "ui/TargetSelection.h"

#include <cstring>
#include <string>

#include "app/Texts.h"
#include "platform/Platform.h"
#include "ui/Controls.h"
#include "ui/TextSearch.h"

namespace {

bool ActionIs(const char* action) { return ReadProperty(ControlId::组合框1, ControlProperty::Text) == action; }

// Once shown, the label and the target box stay shown and enabled for the rest of the run.
void ShowTargetBox() {
  WriteProperty(ControlId::标签2, ControlProperty::Visible, true);
  WriteProperty(ControlId::编辑框2, ControlProperty::Visible, true);
  WriteProperty(ControlId::编辑框2, ControlProperty::Disabled, false);
}

void ShowNoTargetMessage() {
  platform::MessageBoxA(0, texts::kNoTargetChosen, texts::kMessageCaption, platform::MB_OK | platform::MB_TASKMODAL);
}

// The dialog's one filter: its description, the empty pattern, and the empty entry that ends
// the list.
std::string FilterList() {
  std::string filter = texts::kFileFilterDescription;
  filter.append(3, '\0');
  return filter;
}

constexpr std::uint32_t kDialogFlags = platform::OFN_HIDEREADONLY | platform::OFN_OVERWRITEPROMPT |
                                       platform::OFN_EXPLORER | platform::OFN_ENABLESIZING;

// A path is MAX_PATH characters, and most characters of a Chinese path are two bytes in code page
// 936: a buffer of MAX_PATH bytes would have the dialog refuse such a path (Windows) or cut it
// (Wine), and a cut path names another file.
constexpr std::size_t kFileBufferSize = 2 * platform::kMaxPath;
// Put in the buffer's last byte: a path that fits has its terminating zero there at the latest,
// while a path the dialog had to cut leaves no zero anywhere in the buffer.
constexpr char kUnwritten = '\x01';

}  // namespace

void ActionSelected() {
  if (ActionIs(texts::kActionRunProgram)) {
    ShowTargetBox();
    OpenFileDialog();
    // Read afresh: a cancel keeps the earlier path, which is then used as if chosen now.
    const std::string fileName = ReadProperty(ControlId::通用对话框2, ControlProperty::FileName);
    if (!fileName.empty()) {
      WriteProperty(ControlId::编辑框2, ControlProperty::Text, fileName);
      SetStatusText(0, fileName);
    } else {
      ShowNoTargetMessage();
    }
  }
  // Read again: the boxes may have changed while the dialog or the message box was open.
  if (!ActionIs(texts::kActionCloseProgram)) return;

  ShowTargetBox();
  OpenFileDialog();
  const std::string fileName = ReadProperty(ControlId::通用对话框2, ControlProperty::FileName);
  if (fileName.empty()) {
    ShowNoTargetMessage();
    return;
  }
  // The close action compares this with the running programs' executable names, so it must be
  // the whole bare name, however deep or long the path.
  WriteProperty(ControlId::编辑框2, ControlProperty::Text, BareFileName(fileName));
  SetStatusText(0, fileName);
}

bool OpenFileDialog() {
  const std::string filter = FilterList();
  char file[kFileBufferSize] = {};
  const std::string current = ReadProperty(ControlId::通用对话框2, ControlProperty::FileName);
  std::memcpy(file, current.data(), current.size() < sizeof file - 2 ? current.size() : sizeof file - 2);
  file[sizeof file - 1] = kUnwritten;

  platform::OpenFileNameA request{};
  request.lStructSize = sizeof request;
  request.hwndOwner = MainWindowHandle();
  request.lpstrFilter = filter.c_str();
  request.nFilterIndex = 1;
  request.lpstrFile = file;
  request.nMaxFile = sizeof file;
  request.lpstrTitle = nullptr;
  request.lpstrInitialDir = nullptr;
  request.lpstrDefExt = texts::kDefaultExtension;
  request.Flags = kDialogFlags;

  // The dialog is modal to the main window: no clicks reach it meanwhile, and the focus returns
  // to where it was.
  const platform::Handle mainWindow = MainWindowHandle();
  const platform::Handle focused = platform::GetFocus();
  const bool disabledHere = platform::IsWindowEnabled(mainWindow) != 0;
  if (disabledHere) platform::EnableWindow(mainWindow, 0);
  const platform::Bool confirmed = platform::GetOpenFileNameA(&request);
  if (disabledHere) platform::EnableWindow(mainWindow, 1);
  if (platform::IsWindow(focused)) platform::SetFocus(focused);

  // A path the dialog could not give whole is no choice: it counts like a cancel.
  if (!confirmed || !std::memchr(file, '\0', sizeof file)) return false;
  WriteProperty(ControlId::通用对话框2, ControlProperty::FileName, std::string(file));
  return true;
}
