// Byte-wise search and cut on GBK paths. "\x90\x5C" is a double-byte character whose second byte
// is the backslash's byte; it must never be taken for a separator.
#include "ui/TextSearch.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

struct FindCase {
  std::string text;
  std::string sought;
  std::int32_t expected;
};

TEST(TextSearchTest, FindTextTriesOnlyPlacesWhereACharacterStarts) {
  const FindCase cases[] = {
      {"C:\\Windows\\notepad.exe", "\\", 3},
      {"\\\\server\\share", "\\", 1},
      {"notepad.exe", "\\", -1},
      {"", "\\", -1},
      {"abcabc", "ca", 3},
      {"ab", "abc", -1},                                 // longer than the text
      {"\x90\x5C" "a.exe", "\\", -1},                    // trail byte 0x5C is no backslash
      {"\x90\x5C\\a.exe", "\\", 3},                      // the real one after it is found
      {"C:\\\x90\x5C" "dir", "\\", 3},
      {"\x81\x82\x82\x83", "\x82\x83", 3},               // a double-byte sought text at a character start
      {"\x81\x82\x82\x83", "\x82\x82", -1},              // straddles two characters
      {"ab\x90", "\\", -1},                              // lead byte cut off by the end
      {"a\x90\\", "\\", -1},                             // ... takes the byte after it along
      {"\xD6\xD0\\x", "\\", 3},
      {"\x80\\a.exe", "\\", 2},                         // 0x80 is the euro sign, a whole character
      {"a\xFF\\", "\\", 3},                              // 0xFF leads no character either
  };
  for (const FindCase& row : cases) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(FindText(row.text, row.sought), row.expected);
  }
}

struct MidCase {
  std::string text;
  std::int32_t start;
  std::int32_t count;
  std::string expected;
};

TEST(TextSearchTest, MidTextCutsBytesAndGivesEmptyOutOfRange) {
  const MidCase cases[] = {
      {"abcdef", 2, 3, "bcd"},
      {"abcdef", 1, 6, "abcdef"},
      {"abcdef", 4, 123, "def"},  // fewer remain than asked for
      {"abcdef", 6, 1, "f"},
      {"abcdef", 7, 1, ""},       // start just past the end
      {"abcdef", 0, 3, ""},
      {"abcdef", -5, 3, ""},
      {"abcdef", INT_MIN, 3, ""},
      {"abcdef", 2, 0, ""},
      {"abcdef", 2, -1, ""},
      {"abcdef", 2, INT_MAX, "bcdef"},
      {"", 1, 1, ""},
      {"\xD6\xD0\xCE\xC4", 1, 3, "\xD6\xD0\xCE"},  // may end inside a double-byte character
      {"\xD6\xD0\xCE\xC4", 2, 2, "\xD0\xCE"},
  };
  for (const MidCase& row : cases) {
    SCOPED_TRACE(row.text + " start " + std::to_string(row.start) + " count " + std::to_string(row.count));
    EXPECT_EQ(MidText(row.text, row.start, row.count), row.expected);
  }
}

struct BareCase {
  std::string path;
  std::string expected;
};

TEST(TextSearchTest, BareFileNameKeepsAllAfterTheLastSeparatorWhole) {
  const std::string longFolder(130, 'f');
  const std::string longName = std::string(200, 'n') + ".exe";
  const BareCase cases[] = {
      {"C:\\Windows\\notepad.exe", "notepad.exe"},
      {"notepad.exe", "notepad.exe"},
      {"", ""},
      {"C:\\dir\\", ""},
      {"\\\\server\\share\\folder\\app.exe", "app.exe"},
      {"C:\\1\\2\\3\\4\\5\\6\\7\\8\\9\\10\\11\\12\\13\\x.exe", "x.exe"},  // deeper than 13 folders
      {"C:\\1\\2\\3\\4\\5\\6\\7\\8\\9\\10\\11\\12\\13\\14\\15\\16\\17\\18\\y.exe", "y.exe"},
      {"C:\\" + longFolder + "\\a.exe", "a.exe"},                          // folder name over 123 bytes
      {"C:\\dir\\" + longName, longName},                                  // file name over 123 bytes
      {"C:\\\x90\x5C" "dir\\tool.exe", "tool.exe"},
      {"C:\\dir\\\x90\x5C" "tool.exe", "\x90\x5C" "tool.exe"},             // 0x5C inside the name
      {"D:\\Apps\\tool.exe", "tool.exe"},
      {"C:\\a\x90", "a\x90"},                                              // lead byte cut off by the end
      {"C:\\Tools\x80\\app.exe", "app.exe"},                             // a folder name ending in the euro sign
  };
  for (const BareCase& row : cases) {
    SCOPED_TRACE(row.path);
    EXPECT_EQ(BareFileName(row.path), row.expected);
  }
}

}  // namespace
