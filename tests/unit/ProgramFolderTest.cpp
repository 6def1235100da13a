// The working directory start-up enters: the folder of the executable, from its full path.
#include <gtest/gtest.h>

#include <string>

#include "app/CodePage.h"
#include "app/ProgramFolder.h"

namespace {

TEST(ProgramFolderTest, FolderOfTheExecutable) {
  struct Case {
    std::string modulePath, folder;
  };
  const Case cases[] = {
      {"C:\\Tools\\Plumweir.exe", "C:\\Tools"},
      {"C:\\Tools\\Sub\\Plumweir.exe", "C:\\Tools\\Sub"},
      // At a drive's root the backslash stays: "E:" alone names the drive's current directory,
      // so the working directory would stay wherever the program was started from.
      {"E:\\Plumweir.exe", "E:\\"},
      {"\\\\?\\E:\\Plumweir.exe", "\\\\?\\E:\\"},
      {"\\\\server\\share\\Plumweir.exe", "\\\\server\\share"},
      // A second byte of 0x5C belongs to its double-byte character, in a folder or a file name.
      {"C:\\\xB1\x5C\\Plumweir.exe", "C:\\\xB1\x5C"},
      {"C:\\Tools\\\xB1\x5C.exe", "C:\\Tools"},
      {"E:\\\xB1\x5C.exe", "E:\\"},
      {"C:\\Tools\\a\x81", "C:\\Tools"},  // a lead byte right before the end
      {"Plumweir.exe", "Plumweir.exe"},  // no folder part: nothing to cut
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.modulePath);
    EXPECT_EQ(ProgramFolderOf(c.modulePath, IsLeadByte), c.folder);
  }
}

}  // namespace
