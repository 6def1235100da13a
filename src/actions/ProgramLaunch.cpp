#include "actions/ProgramLaunch.h"

#include <vector>

#include "platform/Platform.h"

namespace {

constexpr std::uint32_t kReadyWaitMs = 1000;

bool NamesExistingFile(const std::string& text) {
  if (text.empty()) return false;
  const std::uint32_t attributes = platform::GetFileAttributesA(text.c_str());
  return attributes != platform::INVALID_FILE_ATTRIBUTES &&
         (attributes & platform::FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// CreateProcessA may write into the command line, so it gets a buffer of its own.
std::vector<char> WritableCommandLine(const std::string& text) {
  std::vector<char> buffer(text.begin(), text.end());
  buffer.push_back('\0');
  return buffer;
}

bool CreateShownProcess(const std::string& commandLine) {
  platform::StartupInfoA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = platform::STARTF_USESHOWWINDOW;
  startup.wShowWindow = platform::SW_SHOWNORMAL;
  platform::ProcessInformation created{};
  std::vector<char> buffer = WritableCommandLine(commandLine);
  if (!platform::CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, 0, 0, nullptr, nullptr,
                                &startup, &created))
    return false;
  platform::WaitForInputIdle(created.hProcess, kReadyWaitMs);
  platform::CloseHandle(created.hThread);
  platform::CloseHandle(created.hProcess);
  return true;
}

// What a double-click does: the program registered for the file's type opens it.
bool OpenAsDocument(const std::string& file) {
  const std::intptr_t result =
      platform::ShellExecuteA(0, "open", file.c_str(), nullptr, nullptr, platform::SW_SHOWNORMAL);
  return result > 32;  // ShellExecute's values up to 32 are errors
}

}  // namespace

bool LaunchProgram(const std::string& commandLine) {
  // A whole text that names a file is that file, even with spaces in its path: unquoted,
  // "C:\Program Files\x.exe" would first try C:\Program.exe. Anything else is a command line
  // the user wrote, arguments included, and goes through as it is.
  const bool isFile = NamesExistingFile(commandLine);
  if (CreateShownProcess(isFile ? "\"" + commandLine + "\"" : commandLine)) return true;
  // Documents are offered by the file dialog too; they open as a double-click would.
  return isFile && OpenAsDocument(commandLine);
}
