#include "app/ProgramFolder.h"

std::string ProgramFolderOf(const std::string& modulePath, bool (*isLeadByte)(unsigned char)) {
  std::size_t lastBackslash = std::string::npos;
  bool atDriveRoot = false;  // the last backslash follows a colon
  bool afterColon = false;
  for (std::size_t i = 0; i < modulePath.size();) {
    const char c = modulePath[i];
    if (c == '\\') {
      lastBackslash = i;
      atDriveRoot = afterColon;
    }
    afterColon = c == ':';
    i += isLeadByte(static_cast<unsigned char>(c)) && i + 1 < modulePath.size() ? 2 : 1;
  }
  if (lastBackslash == std::string::npos) return modulePath;
  return modulePath.substr(0, atDriveRoot ? lastBackslash + 1 : lastBackslash);
}
