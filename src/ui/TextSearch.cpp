#include "ui/TextSearch.h"

#include "app/CodePage.h"

std::int32_t FindText(const std::string& text, const std::string& sought) {
  const std::size_t length = text.size();
  std::size_t at = 0;
  while (length - at >= sought.size()) {
    if (text.compare(at, sought.size(), sought) == 0) return static_cast<std::int32_t>(at + 1);
    if (IsLeadByte(static_cast<unsigned char>(text[at]))) {
      // A double-byte character is stepped over whole; a lead byte cut off by the end ends the search.
      if (at + 1 >= length) return -1;
      at += 2;
    } else {
      at += 1;
    }
  }
  return -1;
}

std::string MidText(const std::string& text, std::int32_t start, std::int32_t count) {
  // 64-bit arithmetic: start - 1 must not overflow for the most negative start.
  const std::int64_t length = static_cast<std::int64_t>(text.size());
  const std::int64_t index = static_cast<std::int64_t>(start) - 1;
  if (index < 0 || index >= length || count <= 0) return std::string();
  return text.substr(static_cast<std::size_t>(index), static_cast<std::size_t>(count));
}

std::string BareFileName(const std::string& path) {
  // Each step starts just after a backslash, which is a whole character, so FindText keeps
  // seeing the text from a character start and never takes a trail byte 0x5C for a separator.
  std::string rest = path;
  for (std::int32_t at = FindText(rest, "\\"); at != -1; at = FindText(rest, "\\"))
    rest.erase(0, static_cast<std::size_t>(at));
  return rest;
}
