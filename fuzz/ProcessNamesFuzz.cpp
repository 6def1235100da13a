// Lower-casing of file names and the name matching that picks the program to close, run on the
// recording fake of the system's process and window lists.
//
// Input: eight bytes, one a window in EnumWindows order (bit 7: visible, bits 0-3: its process
// id), then texts separated by zero bytes: the target name, then the running processes' file
// names, the first with process id 0 (the idle process), the next with 1, and so on up to 15.
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "actions/ProcessLookup.h"
#include "fakes/FakeSystem.h"

namespace {

constexpr std::size_t kWindows = 8;
constexpr std::size_t kMaxProcesses = 16;
constexpr std::size_t kExeNameBytes = platform::kMaxPath - 1;  // what a process record holds

bool IsAsciiUpper(unsigned char c) { return c >= 'A' && c <= 'Z'; }
// Code page 936: 0x81..0xFE lead a double-byte character; 0x80 (the euro sign) and 0xFF stand alone.
bool LeadsTwoBytes(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

// Two file names are the same when they are, character by character, the same double-byte
// character (a lead byte and the byte after it) or the same single-byte character
// once A to Z are taken as a to z.
bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  std::size_t i = 0;
  while (i < a.size()) {
    const unsigned char x = static_cast<unsigned char>(a[i]);
    const unsigned char y = static_cast<unsigned char>(b[i]);
    if (LeadsTwoBytes(x) || LeadsTwoBytes(y)) {
      const std::size_t width = i + 1 < a.size() ? 2 : 1;
      if (a.compare(i, width, b, i, width) != 0) return false;
      i += width;
    } else {
      if ((IsAsciiUpper(x) ? x + 0x20 : x) != (IsAsciiUpper(y) ? y + 0x20 : y)) return false;
      i += 1;
    }
  }
  return true;
}

void CheckLowerCase(const std::string& name) {
  const std::string lower = LowerCaseName(name);
  const std::string where = "name \"" + fuzz::Escaped(name) + "\" lower \"" + fuzz::Escaped(lower) + "\"";
  FUZZ_CHECK(lower.size() == name.size(), where);
  FUZZ_CHECK(LowerCaseName(lower) == lower, where);
  FUZZ_CHECK(SameName(lower, name), where);
  bool ascii = true;
  for (unsigned char c : name) ascii = ascii && c < 0x80;
  if (ascii) {
    // Byte for byte: A to Z become a to z, nothing else changes.
    for (std::size_t i = 0; i < name.size(); ++i) {
      const unsigned char c = static_cast<unsigned char>(name[i]);
      FUZZ_CHECK(static_cast<unsigned char>(lower[i]) == (IsAsciiUpper(c) ? c + 0x20 : c), where);
    }
  } else {
    // Double-byte characters keep both bytes, whatever the second looks like; single-byte ones
    // are folded.
    for (std::size_t i = 0; i < name.size(); ++i) {
      const unsigned char c = static_cast<unsigned char>(name[i]);
      if (LeadsTwoBytes(c)) {
        FUZZ_CHECK(lower.compare(i, 2, name, i, 2) == 0, where);
        ++i;
      } else {
        FUZZ_CHECK(static_cast<unsigned char>(lower[i]) == (IsAsciiUpper(c) ? c + 0x20 : c), where);
      }
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::uint8_t windowBytes[kWindows] = {};
  for (std::uint8_t& window : windowBytes) window = fuzz::TakeInteger<std::uint8_t>(data, size);
  const std::string exeName = fuzz::TakeField(data, size);
  std::vector<FakeProcess> processes;
  while (size > 0 && processes.size() < kMaxProcesses) {
    std::string name = fuzz::TakeField(data, size);
    if (name.size() > kExeNameBytes) name.resize(kExeNameBytes);
    processes.push_back({static_cast<std::uint32_t>(processes.size()), name});
  }

  CheckLowerCase(exeName);
  for (const FakeProcess& process : processes) CheckLowerCase(process.exeName);

  FakeSystem& fake = Fake();
  fake.calls.clear();
  fake.processes = processes;
  fake.windows.clear();
  for (std::size_t i = 0; i < kWindows; ++i)
    fake.windows.push_back({static_cast<platform::Handle>(0x100 + i), (windowBytes[i] & 0x80) != 0,
                            static_cast<std::uint32_t>(windowBytes[i] & 0x0F)});

  // The first visible window, in list order, of a process (never the idle one) with that name.
  std::intptr_t expected = exeName.empty() ? 0 : -1;
  for (std::size_t i = 0; i < kWindows && expected == -1; ++i) {
    if (!fake.windows[i].visible) continue;
    for (const FakeProcess& process : processes)
      if (process.processId != 0 && process.processId == fake.windows[i].processId && SameName(process.exeName, exeName))
        expected = static_cast<std::intptr_t>(fake.windows[i].handle);
  }
  const std::intptr_t found = FindWindowByProcess(exeName);
  std::string where = "target \"" + fuzz::Escaped(exeName) + "\" processes";
  for (const FakeProcess& process : processes) where += " \"" + fuzz::Escaped(process.exeName) + "\"";
  FUZZ_CHECK(found == expected, where);
  return 0;
}
