// Number writing: the double a minute boundary writes into the amount box. Checked against
// "%.13g" built from its definition in the C locale, with the exponent widened to three digits,
// and read back by the program's own reader.
//
// Input: one byte of flags, then either eight bytes of a double (flag 2 clear) or an amount box
// text that is read and lowered by a minute, as a minute boundary does (flag 2 set). Flag 1 writes
// under a locale with a decimal comma when one can be loaded (scripts/fuzz.sh provides one).
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <sanitizer/lsan_interface.h>
#include <string>

#include "FuzzCheck.h"
#include "scheduler/AmountNumber.h"

namespace {

locale_t CLocale() {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  return c;
}

// A locale whose decimal point is a comma, or 0 when none is installed. The C library keeps
// some of what it loads for a locale for the rest of the process, which is not a leak of ours.
locale_t CommaLocale() {
  static const locale_t comma = [] {
    __lsan_disable();
    locale_t loaded = static_cast<locale_t>(0);
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"})
      if ((loaded = newlocale(LC_ALL_MASK, name, static_cast<locale_t>(0)))) break;
    __lsan_enable();
    return loaded;
  }();
  return comma;
}

// Trailing zeros of a fraction and then a bare point go, as "%g" drops them.
void DropTrailingZeros(std::string& digits) {
  if (digits.find('.') == std::string::npos) return;
  while (digits.back() == '0') digits.pop_back();
  if (digits.back() == '.') digits.pop_back();
}

// "%.13g" by its definition: with X the exponent "%.12e" gives, "%f" with 12 - X decimals when
// -4 <= X < 13, else "%.12e"; then trailing zeros dropped, and the exponent given three digits.
std::string ReferenceWriting(double value) {
  const locale_t previous = uselocale(CLocale());
  char buffer[512];
  std::string written;
  if (!std::isfinite(value)) {
    std::snprintf(buffer, sizeof buffer, "%.13g", value);
    written = buffer;
  } else {
    std::snprintf(buffer, sizeof buffer, "%.12e", value);
    const std::string scientific = buffer;
    const std::size_t e = scientific.find('e');
    const int exponent = std::atoi(scientific.c_str() + e + 1);
    if (exponent >= -4 && exponent < 13) {
      std::snprintf(buffer, sizeof buffer, "%.*f", 12 - exponent, value);
      written = buffer;
      DropTrailingZeros(written);
    } else {
      written = scientific.substr(0, e);
      DropTrailingZeros(written);
      std::snprintf(buffer, sizeof buffer, "e%c%03d", exponent < 0 ? '-' : '+', std::abs(exponent));
      written += buffer;
    }
  }
  uselocale(previous);
  return written;
}

std::string Describe(double value, const std::string& written) {
  char number[64];
  std::snprintf(number, sizeof number, "value %a (%.17g)", value, value);
  return number + std::string(" written \"") + fuzz::Escaped(written) + "\"";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::uint8_t flags = fuzz::TakeInteger<std::uint8_t>(data, size);
  double value;
  if (flags & 2) {
    value = ReadAmountNumber(std::string(reinterpret_cast<const char*>(data), size)) - 1.0;
  } else {
    value = fuzz::TakeInteger<double>(data, size);
  }

  const locale_t comma = (flags & 1) ? CommaLocale() : static_cast<locale_t>(0);
  const locale_t previous = comma ? uselocale(comma) : static_cast<locale_t>(0);
  const std::string written = WriteAmountNumber(value);
  if (comma) uselocale(previous);

  FUZZ_CHECK(written == ReferenceWriting(value), Describe(value, written) + " expected \"" + ReferenceWriting(value) + "\"");
  if (!std::isfinite(value)) return 0;

  // "-1.234567890123e-308" is the longest a finite double is written.
  FUZZ_CHECK(written.size() <= 20, Describe(value, written));
  // Thirteen significant digits: within half a unit of the thirteenth digit, and within one
  // spacing of doubles more once read back.
  const double back = std::strtod(written.c_str(), nullptr);
  const double spacing = std::nextafter(std::fabs(back), HUGE_VAL) - std::fabs(back);
  FUZZ_CHECK(std::fabs(back - value) <= 5.000001e-13 * std::fabs(value) + spacing, Describe(value, written));
  // A minute boundary reads back what the previous one wrote: the same number, written the same.
  const double read = ReadAmountNumber(written);
  FUZZ_CHECK(fuzz::UlpsApart(read, back) <= 1, Describe(value, written));
  FUZZ_CHECK(WriteAmountNumber(read) == written, Describe(value, written) + " rewritten \"" + WriteAmountNumber(read) + "\"");
  return 0;
}
