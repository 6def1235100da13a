// The byte-wise GBK text helpers of target selection: FindText, MidText and BareFileName.
//
// Input: MidText's start and count (two 32-bit integers), the length of the sought text (one
// byte), the sought text, and the text itself (the rest).
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "ui/TextSearch.h"

namespace {

// Code page 936: 0x81..0xFE lead a double-byte character; 0x80 (the euro sign) stands alone.
bool LeadsTwoBytes(char byte) {
  const unsigned char value = static_cast<unsigned char>(byte);
  return value >= 0x81 && value <= 0xFE;
}

// The boundaries between the characters of a text, its end included; a lead byte that ends the
// text stands alone.
std::vector<bool> CharacterStarts(const std::string& text) {
  std::vector<bool> starts(text.size() + 1, false);
  std::size_t i = 0;
  while (i < text.size()) {
    starts[i] = true;
    i += LeadsTwoBytes(text[i]) ? 2 : 1;
  }
  if (i == text.size()) starts[i] = true;
  return starts;
}

// The first character start where sought occurs, tried in order while enough bytes remain; a
// lead byte without its second byte ends the search after its own place is tried.
std::int32_t ReferenceFind(const std::string& text, const std::string& sought) {
  std::size_t i = 0;
  while (i <= text.size() && text.size() - i >= sought.size()) {
    if (text.compare(i, sought.size(), sought) == 0) return static_cast<std::int32_t>(i + 1);
    if (LeadsTwoBytes(text[i])) {
      if (i + 1 >= text.size()) return -1;
      i += 2;
    } else {
      i += 1;
    }
  }
  return -1;
}

std::string Describe(const std::string& text, const std::string& sought, std::int32_t start, std::int32_t count) {
  char numbers[64];
  std::snprintf(numbers, sizeof numbers, " start %d count %d", start, count);
  return "text \"" + fuzz::Escaped(text) + "\" sought \"" + fuzz::Escaped(sought) + "\"" + numbers;
}

void CheckFind(const std::string& text, const std::string& sought, const std::string& where) {
  const std::int32_t found = FindText(text, sought);
  const std::vector<bool> starts = CharacterStarts(text);
  FUZZ_CHECK(found == -1 || (found >= 1 && static_cast<std::size_t>(found) + sought.size() <= text.size() + 1),
             where);
  if (found != -1) {
    // Never inside a double-byte character, and really there.
    FUZZ_CHECK(starts[static_cast<std::size_t>(found - 1)], where);
    FUZZ_CHECK(text.compare(static_cast<std::size_t>(found - 1), sought.size(), sought) == 0, where);
  }
  FUZZ_CHECK(found == ReferenceFind(text, sought), where);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::int32_t start = fuzz::TakeInteger<std::int32_t>(data, size);
  const std::int32_t count = fuzz::TakeInteger<std::int32_t>(data, size);
  std::size_t soughtLength = fuzz::TakeInteger<std::uint8_t>(data, size);
  if (soughtLength > size) soughtLength = size;
  const std::string sought(reinterpret_cast<const char*>(data), soughtLength);
  const std::string text(reinterpret_cast<const char*>(data) + soughtLength, size - soughtLength);
  const std::string where = Describe(text, sought, start, count);

  CheckFind(text, sought, where);
  CheckFind(text, "\\", where);  // what target selection looks for

  // MidText: the bytes from start, at most count of them, or nothing when out of range.
  const std::string mid = MidText(text, start, count);
  const std::int64_t index = static_cast<std::int64_t>(start) - 1;
  if (index < 0 || index >= static_cast<std::int64_t>(text.size()) || count <= 0) {
    FUZZ_CHECK(mid.empty(), where);
  } else {
    const std::size_t expected = std::min(static_cast<std::size_t>(count), text.size() - static_cast<std::size_t>(index));
    FUZZ_CHECK(mid.size() == expected, where);
    FUZZ_CHECK(text.compare(static_cast<std::size_t>(index), expected, mid) == 0, where);
  }

  // BareFileName: the suffix after the last backslash that starts a character, the whole text
  // when there is none.
  const std::string bare = BareFileName(text);
  FUZZ_CHECK(bare.size() <= text.size(), where);
  const std::size_t cut = text.size() - bare.size();
  FUZZ_CHECK(text.compare(cut, bare.size(), bare) == 0, where + " bare \"" + fuzz::Escaped(bare) + "\"");
  const std::vector<bool> starts = CharacterStarts(text);
  std::size_t last = std::string::npos;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (starts[i] && text[i] == '\\') last = i;
  FUZZ_CHECK(cut == (last == std::string::npos ? 0 : last + 1), where + " bare \"" + fuzz::Escaped(bare) + "\"");
  FUZZ_CHECK(FindText(bare, "\\") == -1, where + " bare \"" + fuzz::Escaped(bare) + "\"");
  return 0;
}
