#include "fakes/FakeSystem.h"

#include <cstring>
#include <sstream>

#include "ui/ControlRules.h"
#include "ui/Tooltips.h"
#include "ui/WindowTemplate.h"

namespace {

FakeSystem* fake = nullptr;

const char* const kControlNames[kControlCount] = {
    "标签2", "编辑框2", "超级链接框1", "通用对话框2", "状态条1", "分组框1", "组合框1",
    "标签1", "组合框2", "按钮2",       "时钟2",       "时钟1",   "编辑框1", "按钮1"};

std::string Quote(const char* text) { return text ? "\"" + std::string(text) + "\"" : "null"; }

template <typename... Args>
void Record(const char* name, const Args&... args) {
  std::ostringstream out;
  out << name << '(';
  [[maybe_unused]] const char* separator = "";
  ((out << separator << args, separator = ", "), ...);
  out << ')';
  Fake().calls.push_back(out.str());
}

void Write(ControlId control, ControlProperty property, const std::string& value) {
  static const char* const names[] = {"Visible", "Disabled", "Text", "Period", "CurrentSelection", "FileName"};
  Fake().writes.push_back(std::string(kControlNames[static_cast<int>(control)]) + "." +
                          names[static_cast<int>(property)] + "=" + value);
}

const FakeWindow* FindWindow(platform::Handle handle) {
  for (const FakeWindow& window : Fake().windows)
    if (window.handle == handle) return &window;
  return nullptr;
}

std::size_t nextProcess = 0;

bool FillProcess(platform::ProcessEntry32* entry) {
  if (nextProcess >= Fake().processes.size()) return false;
  const FakeProcess& process = Fake().processes[nextProcess++];
  entry->th32ProcessID = process.processId;
  std::memset(entry->szExeFile, 0, sizeof entry->szExeFile);
  std::strncpy(entry->szExeFile, process.exeName.c_str(), sizeof entry->szExeFile - 1);
  return true;
}

}  // namespace

FakeSystem& Fake() {
  if (!fake) fake = new FakeSystem();
  return *fake;
}

void ResetFake() {
  Fake() = FakeSystem();  // in place: fixtures hold a reference to it
  nextProcess = 0;
  for (const ControlTemplate& row : WindowTemplate) {
    FakeControl& control = fake->Control(row.id);
    control.text = row.text;
    control.visible = row.visible;
    control.disabled = row.disabled;
    for (const char* const* item = row.items; item && *item; ++item) control.items.push_back(*item);
  }
}

platform::Handle FakeHandleOf(ControlId control) { return 0x1000 + static_cast<platform::Handle>(control); }

// ---- The property interface ----

std::string ReadProperty(ControlId control, ControlProperty property) {
  const FakeControl& c = Fake().Control(control);
  if (property == ControlProperty::Text && !c.items.empty())
    return c.selection >= 0 ? c.items[static_cast<std::size_t>(c.selection)] : std::string();
  if (property == ControlProperty::Text || property == ControlProperty::FileName) return c.text;
  ADD_FAILURE() << "read of a property no handler reads";
  return {};
}

void WriteProperty(ControlId control, ControlProperty property, const std::string& text) {
  Write(control, property, text);
  Fake().Control(control).text = text;
}

void WriteProperty(ControlId control, ControlProperty property, std::int32_t value) {
  Write(control, property, std::to_string(value));
  FakeControl& c = Fake().Control(control);
  if (property == ControlProperty::Period) {
    c.period = ChangePeriod(c.period, value).period;
  } else if (property == ControlProperty::CurrentSelection) {
    c.selection = ClampSelection(value, static_cast<std::int32_t>(c.items.size()));
  } else {
    ADD_FAILURE() << "integer write to a property that is not an integer";
  }
}

void WriteProperty(ControlId control, ControlProperty property, bool value) {
  Write(control, property, value ? "true" : "false");
  FakeControl& c = Fake().Control(control);
  if (property == ControlProperty::Visible) c.visible = value;
  else if (property == ControlProperty::Disabled) c.disabled = value;
  else ADD_FAILURE() << "boolean write to a property that is not a boolean";
}

void SetStatusText(std::int32_t part, const std::string& text) {
  auto& parts = Fake().statusParts;
  if (part < 0 || part >= static_cast<std::int32_t>(parts.size())) return;
  parts[static_cast<std::size_t>(part)] = text;
}

platform::Handle ControlHandle(ControlId control) { return FakeHandleOf(control); }
platform::Handle MainWindowHandle() { return kFakeMainWindow; }

std::int32_t AddTooltip(platform::Handle controlWindow, const char* tipText, std::int32_t balloon, std::int32_t centred) {
  Record("AddTooltip", controlWindow, Quote(tipText), balloon, centred);
  if (!controlWindow) return 0;
  Fake().tooltips.push_back(std::to_string(controlWindow) + ":" + tipText);
  return 0;
}

// ---- The seam ----

namespace platform {

std::int32_t MessageBoxA(Handle owner, const char* text, const char* caption, std::uint32_t type) {
  Record("MessageBoxA", owner, Quote(text), Quote(caption), type);
  Fake().messages.push_back(text ? text : "");
  if (Fake().whileModal) Fake().whileModal();
  return 1;
}

Bool ExitWindowsEx(std::uint32_t flags, std::uint32_t reason) {
  Record("ExitWindowsEx", flags, reason);
  return 1;
}

Bool EnumWindows(EnumWindowsCallback callback, std::intptr_t appValue) {
  Record("EnumWindows", appValue);
  const std::vector<FakeWindow> windows = Fake().windows;
  for (const FakeWindow& window : windows)
    if (!callback(window.handle, appValue)) break;
  return 1;
}

Bool IsWindowVisible(Handle window) {
  const FakeWindow* found = FindWindow(window);
  return found && found->visible;
}

std::uint32_t GetWindowThreadProcessId(Handle window, std::uint32_t* processId) {
  const FakeWindow* found = FindWindow(window);
  if (processId) *processId = found ? found->processId : 0;
  return found ? 7 : 0;
}

Handle GetFocus() { return Fake().focus; }

Handle SetFocus(Handle window) {
  Record("SetFocus", window);
  Handle previous = Fake().focus;
  Fake().focus = window;
  return previous;
}

Bool IsWindow(Handle window) { return window != 0 && !Fake().destroyedWindows.count(window); }

Bool IsWindowEnabled(Handle window) { return window == kFakeMainWindow ? Fake().mainWindowEnabled : 1; }

Bool EnableWindow(Handle window, Bool enable) {
  Record("EnableWindow", window, enable);
  if (window == kFakeMainWindow) {
    Bool wasDisabled = !Fake().mainWindowEnabled;
    Fake().mainWindowEnabled = enable != 0;
    return wasDisabled;
  }
  return 0;
}

std::uint32_t GetVersion() {
  Record("GetVersion");
  return Fake().version;
}

Bool GetVersionExA(OsVersionInfoA* info) {
  Record("GetVersionExA", info->dwOSVersionInfoSize);
  Fake().versionRequest = *info;
  info->dwPlatformId = Fake().platformId;
  return 1;
}

Handle GetCurrentProcess() {
  Record("GetCurrentProcess");
  return static_cast<Handle>(-1);
}

Bool CloseHandle(Handle object) {
  Record("CloseHandle", object);
  return 1;
}

Bool CreateProcessA(const char* applicationName, char* commandLine, void* processAttributes, void* threadAttributes,
                    Bool inheritHandles, std::uint32_t creationFlags, void* environment, const char* currentDirectory,
                    StartupInfoA* startupInfo, ProcessInformation* processInformation) {
  Record("CreateProcessA", Quote(applicationName), Quote(commandLine), processAttributes ? "attrs" : "null",
         threadAttributes ? "attrs" : "null", inheritHandles, creationFlags, environment ? "env" : "null",
         Quote(currentDirectory));
  Fake().startupInfo = *startupInfo;
  if (!Fake().createProcessResult) return 0;
  processInformation->hProcess = Fake().newProcess;
  processInformation->hThread = Fake().newThread;
  processInformation->dwProcessId = 4242;
  processInformation->dwThreadId = 4243;
  return 1;
}

std::uint32_t WaitForInputIdle(Handle process, std::uint32_t milliseconds) {
  Record("WaitForInputIdle", process, milliseconds);
  return 0;
}

std::uint32_t GetFileAttributesA(const char* fileName) {
  Record("GetFileAttributesA", Quote(fileName));
  if (fileName && Fake().existingFiles.count(fileName)) return 0x20;
  if (fileName && Fake().existingFolders.count(fileName)) return FILE_ATTRIBUTE_DIRECTORY;
  return INVALID_FILE_ATTRIBUTES;
}

Handle CreateToolhelp32Snapshot(std::uint32_t flags, std::uint32_t processId) {
  Record("CreateToolhelp32Snapshot", flags, processId);
  nextProcess = 0;
  return Fake().snapshotFails ? INVALID_HANDLE_VALUE : Fake().snapshot;
}

Bool Process32First(Handle snapshot, ProcessEntry32* entry) {
  Record("Process32First", snapshot, entry->dwSize);
  nextProcess = 0;
  return FillProcess(entry);
}

Bool Process32Next(Handle snapshot, ProcessEntry32* entry) {
  Record("Process32Next", snapshot, entry->dwSize);
  return FillProcess(entry);
}

Handle OpenProcess(std::uint32_t desiredAccess, Bool inheritHandle, std::uint32_t processId) {
  Record("OpenProcess", desiredAccess, inheritHandle, processId);
  return Fake().openProcessFails ? 0 : 0xA000 + static_cast<Handle>(processId);
}

Bool TerminateProcess(Handle process, std::uint32_t exitCode) {
  Record("TerminateProcess", process, exitCode);
  return Fake().terminateResult;
}

void ExitProcess(std::uint32_t exitCode) {
  Record("ExitProcess", exitCode);
  throw ProgramExited{exitCode};
}

Bool OpenProcessToken(Handle process, std::uint32_t desiredAccess, Handle* token) {
  Record("OpenProcessToken", process, desiredAccess, *token);
  if (!Fake().openProcessTokenResult) return 0;
  *token = Fake().token;
  return 1;
}

Bool LookupPrivilegeValueA(const char* systemName, const char* name, Luid* luid) {
  Record("LookupPrivilegeValueA", Quote(systemName), Quote(name));
  if (!Fake().lookupPrivilegeResult) return 0;
  *luid = Fake().luid;
  return 1;
}

Bool AdjustTokenPrivileges(Handle token, Bool disableAllPrivileges, TokenPrivileges* newState, std::uint32_t bufferLength,
                           TokenPrivileges* previousState, std::uint32_t* returnLength) {
  Record("AdjustTokenPrivileges", token, disableAllPrivileges, bufferLength, returnLength ? *returnLength : 99);
  Fake().newState = *newState;
  Fake().previousStateAtCall = *previousState;
  Fake().adjustBufferLength = bufferLength;
  return Fake().adjustResult;
}

std::int32_t RegOpenKeyExA(Handle key, const char* subKey, std::uint32_t options, std::uint32_t desired, Handle* result) {
  Record("RegOpenKeyExA", key, Quote(subKey), options, desired);
  const std::string path = std::string(key == HKEY_CLASSES_ROOT ? "HKCR\\" : "?\\") + (subKey ? subKey : "");
  if (!Fake().registry.count(path)) return 2;  // ERROR_FILE_NOT_FOUND
  static std::vector<std::string> openKeys;
  openKeys.push_back(path);
  *result = 0xB000 + openKeys.size();
  Fake().registry["#" + std::to_string(*result)] = path;
  return ERROR_SUCCESS;
}

std::int32_t RegQueryValueA(Handle key, const char* subKey, char* data, std::int32_t* size) {
  Record("RegQueryValueA", key, Quote(subKey), *size);
  const auto handle = Fake().registry.find("#" + std::to_string(key));
  if (handle == Fake().registry.end()) return 6;  // ERROR_INVALID_HANDLE
  const std::string& value = Fake().registry[handle->second];
  if (static_cast<std::int32_t>(value.size()) + 1 > *size) return 234;  // ERROR_MORE_DATA
  std::memcpy(data, value.c_str(), value.size() + 1);
  *size = static_cast<std::int32_t>(value.size()) + 1;
  return ERROR_SUCCESS;
}

std::int32_t RegCloseKey(Handle key) {
  Record("RegCloseKey", key);
  return ERROR_SUCCESS;
}

std::intptr_t ShellExecuteA(Handle owner, const char* verb, const char* file, const char* parameters,
                            const char* directory, std::int32_t show) {
  Record("ShellExecuteA", owner, Quote(verb), Quote(file), Quote(parameters), Quote(directory), show);
  return Fake().shellExecuteResult;
}

std::uint32_t WinExec(const char* commandLine, std::uint32_t show) {
  Record("WinExec", Quote(commandLine), show);
  return Fake().winExecResult;
}

Bool GetOpenFileNameA(OpenFileNameA* request) {
  Record("GetOpenFileNameA", request->hwndOwner);
  DialogRequest copy{*request, {}, request->lpstrFile ? request->lpstrFile : ""};
  // The one filter: a description, its empty pattern, and the zero that ends the list.
  if (const char* filter = request->lpstrFilter) copy.filterBytes.assign(filter, std::strlen(filter) + 3);
  Fake().dialogRequests.push_back(copy);
  if (Fake().whileModal) Fake().whileModal();
  if (!Fake().dialogChoice) return 0;
  const std::string& path = *Fake().dialogChoice;
  if (path.size() + 1 > request->nMaxFile) {
    if (!Fake().dialogCutsLongPath) return 0;
    std::memcpy(request->lpstrFile, path.data(), request->nMaxFile);
    return 1;
  }
  std::memcpy(request->lpstrFile, path.c_str(), path.size() + 1);
  return 1;
}

}  // namespace platform
