#include "app/ProgramFolder.h"

std::string ProgramFolderOf(const std::string& modulePath, bool (*isLeadByte)(unsigned char)) {
  std::size_t lastBackslash = std::string::npos;
  for (std::size_t i = 0; i < modulePath.size();) {
    const char c = modulePath[i];
    if (c == '\\') lastBackslash = i;
    i += isLeadByte(static_cast<unsigned char>(c)) && i + 1 < modulePath.size() ? 2 : 1;
  }
  if (lastBackslash == std::string::npos) return modulePath;
  // A colon is never the second byte of a double-byte character, so the byte before the
  // backslash tells a drive's root.
  const bool atDriveRoot = lastBackslash > 0 && modulePath[lastBackslash - 1] == ':';
  return modulePath.substr(0, atDriveRoot ? lastBackslash + 1 : lastBackslash);
}
