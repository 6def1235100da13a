#include "ui/LinkOpening.h"

#include "platform/Platform.h"

namespace {

// A registered value is read into kMaxPath bytes; the command line gets room for that value,
// a blank and an address of the same size.
constexpr std::size_t kCommandBufferSize = 2 * platform::kMaxPath;

// The default value of HKEY_CLASSES_ROOT\<subKey>, or nothing when it can't be read.
std::optional<std::string> ReadClassesRootValue(const std::string& subKey) {
  platform::Handle key = 0;
  if (platform::RegOpenKeyExA(platform::HKEY_CLASSES_ROOT, subKey.c_str(), 0, platform::KEY_QUERY_VALUE, &key) !=
      platform::ERROR_SUCCESS)
    return std::nullopt;
  char value[platform::kMaxPath + 1] = {};  // one spare zero: a stored value need not end with one
  std::int32_t size = platform::kMaxPath;
  const std::int32_t status = platform::RegQueryValueA(key, nullptr, value, &size);
  platform::RegCloseKey(key);
  if (status != platform::ERROR_SUCCESS) return std::nullopt;
  return std::string(value);
}

bool OpenWithRegisteredBrowser(const std::string& address) {
  const std::optional<std::string> htmClass = ReadClassesRootValue(".htm");
  if (!htmClass) return false;
  const std::optional<std::string> registered = ReadClassesRootValue(*htmClass + "\\shell\\open\\command");
  if (!registered) return false;
  const std::optional<std::string> command = BuildBrowserCommand(*registered, address, kCommandBufferSize);
  if (!command) return false;
  return platform::WinExec(command->c_str(), platform::SW_SHOW) > 32;
}

}  // namespace

std::optional<std::string> BuildBrowserCommand(const std::string& registeredCommand, const std::string& address,
                                               std::size_t bufferSize) {
  // A byte-wise search is safe here: neither '"', '%' nor '1' can be the second byte of a GBK
  // character.
  std::size_t cut = registeredCommand.find("\"%1\"");
  if (cut == std::string::npos) cut = registeredCommand.find("%1");
  std::string command = registeredCommand.substr(0, cut);
  command += ' ';
  command += address;
  if (command.size() + 1 > bufferSize) return std::nullopt;
  return command;
}

bool OpenLinkAddress(const std::string& address) {
  if (address.empty()) return false;
  if (platform::ShellExecuteA(0, "open", address.c_str(), nullptr, nullptr, platform::SW_SHOW) > 32) return true;
  return OpenWithRegisteredBrowser(address);
}
