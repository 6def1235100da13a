// The amount box's integer input: its key filter, its normalisation on losing the focus and the
// wrapping arithmetic of its spin arrows.
//
// Input: the spin's delta, lower and upper end (three 32-bit integers), then the box's text.
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

#include "FuzzCheck.h"
#include "scheduler/AmountNumber.h"
#include "ui/AmountInput.h"

namespace {

// The text as strtoll reads it in the C locale (blanks, one sign, decimal digits, saturating at
// the 64-bit ends), clamped to 32 bits.
std::int32_t ReferenceValue(const std::string& text) {
  const long long wide = std::strtoll(text.c_str(), nullptr, 10);  // stops at a zero byte as well
  if (wide > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  if (wide < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(wide);
}

std::string Describe(const std::string& text, std::int32_t delta, std::int32_t lower, std::int32_t upper) {
  char numbers[96];
  std::snprintf(numbers, sizeof numbers, " delta %d range %d..%d", delta, lower, upper);
  return "text \"" + fuzz::Escaped(text) + "\"" + numbers;
}

// What the key filter leaves of a typed text, one byte a character.
std::string Typed(const std::string& text) {
  std::string kept;
  for (unsigned char c : text)
    if (AcceptsAmountChar(c)) kept += static_cast<char>(c);
  return kept;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::int32_t delta = fuzz::TakeInteger<std::int32_t>(data, size);
  const std::int32_t lower = fuzz::TakeInteger<std::int32_t>(data, size);
  const std::int32_t upper = fuzz::TakeInteger<std::int32_t>(data, size);
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::string where = Describe(text, delta, lower, upper);

  // Normalisation: "" for 0, else the canonical "%d" of the clamped value; a fixed point.
  const std::string normal = NormaliseAmount(text);
  const std::int32_t value = ReferenceValue(text);
  FUZZ_CHECK(normal == (value == 0 ? std::string() : std::to_string(value)), where + " normal \"" + normal + "\"");
  FUZZ_CHECK(NormaliseAmount(normal) == normal, where);

  // The spin reads the text as normalisation does, an empty text as 0.
  const std::int32_t spun = SpinAmount(text, delta, lower, upper);
  FUZZ_CHECK(spun == SpinAmount(normal, delta, lower, upper), where);
  if (delta == 0) {
    FUZZ_CHECK(spun == value, where);
  } else if (lower <= upper) {
    FUZZ_CHECK(spun >= lower && spun <= upper, where);
    const std::int64_t stepped = static_cast<std::int64_t>(value) + (delta > 0 ? 1 : -1);
    const bool inside = stepped >= lower && stepped <= upper;
    FUZZ_CHECK(spun == (inside ? stepped : (delta > 0 ? lower : upper)), where);
    // Within the range the arrows undo each other.
    if (value >= lower && value <= upper) {
      const std::int32_t back = SpinAmount(std::to_string(spun), delta > 0 ? -1 : 1, lower, upper);
      FUZZ_CHECK(back == value, where);
    }
  }

  // What the key filter lets through is blanks, minus signs and digits, and the countdown's
  // number reader sees in it the same integer as normalisation does, when it fits 32 bits.
  const std::string typed = Typed(text);
  for (unsigned char c : typed)
    FUZZ_CHECK(c < 0x20 || c == '-' || (c >= '0' && c <= '9'), where);
  FUZZ_CHECK(!AcceptsAmountChar(static_cast<unsigned int>(delta)) ||
                 static_cast<std::uint32_t>(delta) < 0x20 || delta == '-' || (delta >= '0' && delta <= '9'),
             where);
  errno = 0;
  const long long typedValue = std::strtoll(typed.c_str(), nullptr, 10);
  if (errno == 0 && typedValue >= std::numeric_limits<std::int32_t>::min() &&
      typedValue <= std::numeric_limits<std::int32_t>::max()) {
    // Ticks read the box as typed, the OK button reads it normalised.
    FUZZ_CHECK(ReadAmountNumber(typed) == static_cast<double>(typedValue), "typed \"" + fuzz::Escaped(typed) + "\"");
    FUZZ_CHECK(ReadAmountNumber(NormaliseAmount(typed)) == static_cast<double>(typedValue),
               "typed \"" + fuzz::Escaped(typed) + "\"");
  }
  return 0;
}
