// The hyperlink's fallback: the command line built from the browser registered for ".htm".
//
// Input: the buffer size (a 16-bit integer), then the registered command, a zero byte, and the
// address.
#include <cstdint>
#include <optional>
#include <string>

#include "FuzzCheck.h"
#include "platform/Records.h"
#include "ui/LinkOpening.h"

namespace {

void Check(const std::string& registered, const std::string& address, std::size_t bufferSize) {
  const std::optional<std::string> command = BuildBrowserCommand(registered, address, bufferSize);
  const std::string where = "registered \"" + fuzz::Escaped(registered) + "\" address \"" + fuzz::Escaped(address) +
                            "\" buffer " + std::to_string(bufferSize);

  // The registered command up to its first quoted "%1" (the quotation mark goes too), else up to
  // its first "%1", else whole.
  std::size_t keep = registered.find("\"%1\"");
  if (keep == std::string::npos) keep = registered.find("%1");
  if (keep == std::string::npos) keep = registered.size();
  const std::size_t length = keep + 1 + address.size();

  if (!command) {
    FUZZ_CHECK(length + 1 > bufferSize, where);
    return;
  }
  const std::string& line = *command;
  const std::string tail = " " + address;
  FUZZ_CHECK(line.size() + 1 <= bufferSize, where);  // its terminating zero included
  FUZZ_CHECK(line.size() >= tail.size() && line.compare(line.size() - tail.size(), tail.size(), tail) == 0, where);
  const std::string head = line.substr(0, line.size() - tail.size());
  FUZZ_CHECK(registered.compare(0, head.size(), head) == 0, where);
  FUZZ_CHECK(head.size() == keep, where + " command \"" + fuzz::Escaped(line) + "\"");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::size_t bufferSize = fuzz::TakeInteger<std::uint16_t>(data, size);
  const std::string registered = fuzz::TakeField(data, size);
  const std::string address(reinterpret_cast<const char*>(data), size);
  Check(registered, address, bufferSize);
  Check(registered, address, 2 * platform::kMaxPath);  // the buffer the hyperlink uses
  return 0;
}
