// The hyperlink's click: the shell first, then the browser registered for ".htm".
#include "ui/LinkOpening.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "fakes/FakeSystem.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::StartsWith;

struct CommandCase {
  std::string registered;
  std::string address;
  std::size_t bufferSize;
  std::optional<std::string> expected;
};

TEST(BuildBrowserCommandTest, CutsBeforeTheArgumentAndChecksTheBuffer) {
  const std::string quoted = "\"C:\\Program Files\\Web\\browser.exe\" -nohome \"%1\"";
  const CommandCase cases[] = {
      {quoted, "http://a.example/", 520, "\"C:\\Program Files\\Web\\browser.exe\" -nohome  http://a.example/"},
      {"C:\\Web\\browser.exe %1", "http://a.example/", 520, "C:\\Web\\browser.exe  http://a.example/"},
      {"C:\\Web\\browser.exe -url %1 -new", "http://a.example/", 520, "C:\\Web\\browser.exe -url  http://a.example/"},
      {"C:\\Web\\browser.exe %1 \"%1\"", "http://a.example/", 520, "C:\\Web\\browser.exe %1  http://a.example/"},
      {"C:\\Web\\browser.exe", "http://a.example/", 520, "C:\\Web\\browser.exe http://a.example/"},
      {"\"C:\\Web\\browser.exe\" -url", "http://a.example/", 520, "\"C:\\Web\\browser.exe\" -url http://a.example/"},
      {"abc", "xyz", 8, "abc xyz"},        // fills the buffer, zero included
      {"abc", "xyz", 7, std::nullopt},     // one byte short: not run
      {"abc %1", "xyz", 9, "abc  xyz"},    // the cut text counts, not the registered one
      {"abc", "xyz", 0, std::nullopt},
      {std::string(300, 'b'), "x", 260, std::nullopt},
  };
  for (const CommandCase& row : cases) {
    SCOPED_TRACE(row.registered + " | " + std::to_string(row.bufferSize));
    EXPECT_EQ(BuildBrowserCommand(row.registered, row.address, row.bufferSize), row.expected);
  }
}

const std::string kAddress = "http://plumweir.example/";
const std::string kHkcr = std::to_string(platform::HKEY_CLASSES_ROOT);

class LinkOpeningTest : public FakeSystemTest {
 protected:
  void RegisterBrowser(const std::string& command) {
    fake.registry["HKCR\\.htm"] = "htmlfile";
    fake.registry["HKCR\\htmlfile\\shell\\open\\command"] = command;
  }
  // The handle the fake gave out is the first argument of the query and of the close.
  static std::string FirstArgument(const std::string& call) {
    const std::size_t open = call.find('(');
    return call.substr(open + 1, call.find_first_of(",)", open) - open - 1);
  }
  static std::string ShellCall() {
    return "ShellExecuteA(0, \"open\", \"" + kAddress + "\", null, null, 5)";
  }
};

TEST_F(LinkOpeningTest, TheShellOpensTheAddress) {
  fake.shellExecuteResult = 33;
  RegisterBrowser("browser.exe \"%1\"");
  EXPECT_TRUE(OpenLinkAddress(kAddress));
  EXPECT_THAT(fake.calls, ElementsAre(ShellCall()));
}

TEST_F(LinkOpeningTest, WhenTheShellFailsTheRegisteredBrowserRunsWithTheAddress) {
  fake.shellExecuteResult = 32;  // 32 and below are errors
  RegisterBrowser("\"C:\\Web\\browser.exe\" -nohome \"%1\"");
  EXPECT_TRUE(OpenLinkAddress(kAddress));
  ASSERT_THAT(fake.calls,
              ElementsAre(ShellCall(), "RegOpenKeyExA(" + kHkcr + ", \".htm\", 0, 1)", StartsWith("RegQueryValueA("),
                          StartsWith("RegCloseKey("),
                          "RegOpenKeyExA(" + kHkcr + ", \"htmlfile\\shell\\open\\command\", 0, 1)",
                          StartsWith("RegQueryValueA("), StartsWith("RegCloseKey("),
                          "WinExec(\"\"C:\\Web\\browser.exe\" -nohome  " + kAddress + "\", 5)"));
  for (int query : {2, 5}) {
    EXPECT_EQ(fake.calls[query].substr(fake.calls[query].find(',')), ", null, 260)");  // default value, 260 bytes
    EXPECT_EQ(FirstArgument(fake.calls[query + 1]), FirstArgument(fake.calls[query]));  // the key read is closed
  }
}

TEST_F(LinkOpeningTest, FailsWhenTheRegisteredBrowserDoesNotStart) {
  fake.shellExecuteResult = 31;
  fake.winExecResult = 32;
  RegisterBrowser("browser.exe %1");
  EXPECT_FALSE(OpenLinkAddress(kAddress));
  EXPECT_EQ(fake.calls.back(), "WinExec(\"browser.exe  " + kAddress + "\", 5)");
}

TEST_F(LinkOpeningTest, FailsWithoutRunningAnythingWhenAKeyCannotBeRead) {
  const struct {
    const char* name;
    std::map<std::string, std::string> registry;
    int closes;
  } cases[] = {
      {"no .htm class", {}, 0},
      {"no command for the class", {{"HKCR\\.htm", "htmlfile"}}, 1},
      {".htm value longer than 260 bytes", {{"HKCR\\.htm", std::string(300, 'h')}}, 1},
      {"command longer than 260 bytes",
       {{"HKCR\\.htm", "htmlfile"}, {"HKCR\\htmlfile\\shell\\open\\command", std::string(300, 'c')}}, 2},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.name);
    ResetFake();
    fake.shellExecuteResult = 2;
    fake.registry = row.registry;
    EXPECT_FALSE(OpenLinkAddress(kAddress));
    int closes = 0;
    for (const std::string& call : fake.calls) {
      EXPECT_THAT(call, ::testing::Not(StartsWith("WinExec")));
      closes += call.rfind("RegCloseKey", 0) == 0;
    }
    EXPECT_EQ(closes, row.closes);  // every key opened is closed again
  }
}

TEST_F(LinkOpeningTest, ACommandThatDoesNotFitIsNotRun) {
  fake.shellExecuteResult = 2;
  RegisterBrowser(std::string(259, 'b'));
  EXPECT_FALSE(OpenLinkAddress("http://plumweir.example/" + std::string(2000, 'p')));
  for (const std::string& call : fake.calls) EXPECT_THAT(call, ::testing::Not(StartsWith("WinExec")));
}

TEST_F(LinkOpeningTest, AnEmptyAddressFailsWithoutAnyCall) {
  RegisterBrowser("browser.exe \"%1\"");
  EXPECT_FALSE(OpenLinkAddress(""));
  EXPECT_THAT(fake.calls, IsEmpty());
}

}  // namespace
