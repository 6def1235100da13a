// Number reading: the amount box's text, narrowed from full-width forms, read as a decimal real.
// Checked against strtod on the plain ASCII decimal that the reader's grammar picks out of the
// text, and against the same text written in full-width forms.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include "FuzzCheck.h"
#include "scheduler/AmountNumber.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The number at the start of an already narrowed text, as strtod spells it ("d" exponents become
// "e"), with what decides whether a reader must be exact: its significant digits and the
// decimal exponent that applies to them as an integer.
struct PlainDecimal {
  bool found = false;
  std::string spelled;
  std::size_t significantDigits = 0;
  long exponent = 0;
};

PlainDecimal PickDecimal(const std::string& s) {
  PlainDecimal d;
  std::size_t i = 0;
  while (i < s.size() && IsBlank(s[i])) ++i;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) d.spelled += s[i++];
  std::string digits;
  long fractionDigits = 0;
  while (i < s.size() && IsDigit(s[i])) digits += s[i++];
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && IsDigit(s[i])) {
      digits += s[i++];
      ++fractionDigits;
    }
  }
  if (digits.empty()) return d;
  d.found = true;
  d.spelled += digits.substr(0, digits.size() - static_cast<std::size_t>(fractionDigits)) + "." +
               digits.substr(digits.size() - static_cast<std::size_t>(fractionDigits));
  long written = 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
    std::size_t j = i + 1;
    std::string exponent = "e";
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent += s[j++];
    if (j < s.size() && IsDigit(s[j])) {
      for (; j < s.size() && IsDigit(s[j]); ++j) {
        exponent += s[j];
        if (written < 100000000) written = written * 10 + (s[j] - '0');
      }
      if (exponent[1] == '-') written = -written;
      d.spelled += exponent;
    }
  }
  const std::size_t first = digits.find_first_not_of('0');
  d.significantDigits = first == std::string::npos ? 0 : digits.size() - first;
  d.exponent = written - fractionDigits;
  return d;
}

std::string Describe(const std::string& text, double read, double reference) {
  char numbers[96];
  std::snprintf(numbers, sizeof numbers, " read %.17g, strtod %.17g", read, reference);
  return "text \"" + fuzz::Escaped(text) + "\"" + numbers;
}

// The same text with every printable ASCII character (and the blank) at an even position in
// its full-width form: GBK A3 (c + 0x80), the blank as the ideographic space A1 A1.
std::string Widened(const std::string& ascii) {
  std::string wide;
  for (std::size_t i = 0; i < ascii.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(ascii[i]);
    if (i % 2 == 0 && c > 0x20 && c < 0x7F) {
      wide += '\xA3';
      wide += static_cast<char>(c + 0x80);
    } else if (i % 2 == 0 && c == ' ') {
      wide += "\xA1\xA1";
    } else {
      wide += static_cast<char>(c);
    }
  }
  return wide;
}

bool IsAscii(const std::string& text) {
  for (unsigned char c : text)
    if (c >= 0x80) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::string narrowed = NarrowText(text);
  const double read = ReadAmountNumber(text);

  // Narrowing only shortens, and narrowing twice changes nothing more.
  FUZZ_CHECK(narrowed.size() <= text.size(), "text \"" + fuzz::Escaped(text) + "\"");
  FUZZ_CHECK(NarrowText(narrowed) == narrowed, "text \"" + fuzz::Escaped(text) + "\"");
  FUZZ_CHECK(!std::isnan(read), "text \"" + fuzz::Escaped(text) + "\"");

  // The reader sees the narrowed text: full-width forms read as their ASCII characters.
  const double readNarrowed = ReadAmountNumber(narrowed);
  FUZZ_CHECK(fuzz::UlpsApart(read, readNarrowed) == 0, Describe(text, read, readNarrowed));
  if (IsAscii(text)) {
    FUZZ_CHECK(narrowed == text, "text \"" + fuzz::Escaped(text) + "\"");
    const std::string wide = Widened(text);
    FUZZ_CHECK(NarrowText(wide) == text, "text \"" + fuzz::Escaped(text) + "\"");
    const double readWide = ReadAmountNumber(wide);
    FUZZ_CHECK(fuzz::UlpsApart(read, readWide) == 0, Describe(wide, readWide, read));
  }

  // Against strtod on the plain decimal the grammar picks out.
  const PlainDecimal decimal = PickDecimal(narrowed);
  if (!decimal.found) {
    FUZZ_CHECK(fuzz::UlpsApart(read, 0.0) == 0, Describe(text, read, 0.0));
    return 0;
  }
  // The reader gives the largest double where strtod overflows to infinity.
  const double reference = std::fmax(-std::numeric_limits<double>::max(),
                                     std::fmin(std::numeric_limits<double>::max(), std::strtod(decimal.spelled.c_str(), nullptr)));
  FUZZ_CHECK(std::signbit(read) == std::signbit(reference), Describe(text, read, reference));
  // Up to 15 digits scaled by at most 10^22 are exact doubles multiplied or divided once, which
  // rounds correctly; beyond that the reader may be one double off.
  const bool mustBeExact = decimal.significantDigits <= 15 && decimal.exponent >= -22 && decimal.exponent <= 22;
  FUZZ_CHECK(fuzz::UlpsApart(read, reference) <= (mustBeExact ? 0u : 1u), Describe(text, read, reference));
  return 0;
}
