#include "ui/AmountInput.h"

#include <limits>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// Leading blanks, one optional sign, decimal digits up to the first other character; no digits
// give 0. Too many digits saturate instead of wrapping.
std::int64_t ReadInteger64(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  constexpr std::uint64_t kLimit = std::uint64_t{1} << 63;  // magnitude of the most negative value
  std::uint64_t magnitude = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    const unsigned digit = static_cast<unsigned>(text[i] - '0');
    magnitude = magnitude > (kLimit - digit) / 10 ? kLimit : magnitude * 10 + digit;
  }
  if (negative) return magnitude == kLimit ? std::numeric_limits<std::int64_t>::min() : -static_cast<std::int64_t>(magnitude);
  return magnitude >= kLimit ? std::numeric_limits<std::int64_t>::max() : static_cast<std::int64_t>(magnitude);
}

std::int32_t ReadInteger32(const std::string& text) {
  const std::int64_t value = ReadInteger64(text);
  if (value > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  if (value < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(value);
}

}  // namespace

bool AcceptsAmountChar(unsigned int character) {
  return character < 0x20 || character == '-' || (character >= '0' && character <= '9');
}

std::string NormaliseAmount(const std::string& text) {
  const std::int32_t value = ReadInteger32(text);
  return value == 0 ? std::string() : std::to_string(value);
}

std::int32_t SpinAmount(const std::string& text, std::int32_t delta, std::int32_t lower, std::int32_t upper) {
  const std::int64_t value = ReadInteger32(text);
  if (delta == 0) return static_cast<std::int32_t>(value);  // no arrow: nothing to step
  const std::int64_t stepped = delta > 0 ? value + 1 : value - 1;
  if (stepped >= lower && stepped <= upper) return static_cast<std::int32_t>(stepped);
  return delta > 0 ? lower : upper;
}
