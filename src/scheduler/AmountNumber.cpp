#include "scheduler/AmountNumber.h"

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>

#include "app/CodePage.h"

namespace {

// The ASCII character a double-byte GBK character stands for, or 0 if it is not narrowed.
char NarrowPair(unsigned char lead, unsigned char trail) {
  if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) return static_cast<char>(trail - 0x80);
  if (lead == 0xA1) {
    switch (trail) {
      case 0xA1: return ' ';  // ideographic space
      case 0xAB: return '~';  // wave dash
      case 0xEE:              // white star
      case 0xEF: return '*';  // black star
      default: break;
    }
  }
  return 0;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// mantissa * 10^exponent as the nearest double. Within the range where both factors are exact
// doubles the one multiplication or division rounds correctly; outside it the long double
// product is rounded once more, which is close enough for amounts no one types. A value beyond
// the largest double reads as the largest double, not as infinity: an infinite amount would be
// written back as "inf", which reads as 0 and would end a countdown that the user had lengthened.
double Scale(std::uint64_t mantissa, long exponent) {
  static constexpr double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                            1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                            1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  if (mantissa == 0) return 0.0;
  if (mantissa <= (std::uint64_t{1} << 53) && exponent >= -22 && exponent <= 22) {
    const double m = static_cast<double>(mantissa);
    return exponent >= 0 ? m * kExactPowers[exponent] : m / kExactPowers[-exponent];
  }
  // Up to 19 digits, so the value's own decimal exponent is exponent + 18 at most.
  if (exponent > 330) return std::numeric_limits<double>::max();
  if (exponent < -360) return 0.0;
  const long double product = static_cast<long double>(mantissa) * std::pow(10.0L, static_cast<long double>(exponent));
  if (product > static_cast<long double>(std::numeric_limits<double>::max())) return std::numeric_limits<double>::max();
  return static_cast<double>(product);
}

}  // namespace

std::string NarrowText(const std::string& text) {
  std::string narrowed;
  narrowed.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char byte = static_cast<unsigned char>(text[i]);
    if (!IsLeadByte(byte)) {
      narrowed += text[i];
      continue;
    }
    if (i + 1 == text.size()) break;  // a lead byte without its second byte
    const unsigned char trail = static_cast<unsigned char>(text[i + 1]);
    if (const char ascii = NarrowPair(byte, trail)) {
      narrowed += ascii;
    } else {
      narrowed += text[i];
      narrowed += text[i + 1];
    }
    ++i;
  }
  return narrowed;
}

double ReadAmountNumber(const std::string& text) {
  const std::string s = NarrowText(text);
  std::size_t i = 0;
  while (i < s.size() && IsBlank(s[i])) ++i;

  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';

  // Up to 19 significant digits fit in 64 bits; further ones only move the decimal exponent.
  std::uint64_t mantissa = 0;
  int significant = 0;
  long exponent = 0;
  bool anyDigit = false;
  auto takeDigit = [&](char c, bool afterPoint) {
    anyDigit = true;
    if (significant < 19) {
      if (mantissa != 0 || c != '0') {
        mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
        ++significant;
      }
      if (afterPoint) --exponent;
    } else if (!afterPoint) {
      ++exponent;
    }
  };
  while (i < s.size() && IsDigit(s[i])) takeDigit(s[i++], false);
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && IsDigit(s[i])) takeDigit(s[i++], true);
  }
  if (!anyDigit) return 0.0;

  // An exponent counts only when digits follow its letter and sign.
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
    std::size_t j = i + 1;
    bool negativeExponent = false;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) negativeExponent = s[j++] == '-';
    if (j < s.size() && IsDigit(s[j])) {
      long written = 0;
      for (; j < s.size() && IsDigit(s[j]); ++j)
        if (written < 100000) written = written * 10 + (s[j] - '0');
      exponent += negativeExponent ? -written : written;
    }
  }

  const double magnitude = Scale(mantissa, exponent);
  return negative ? -magnitude : magnitude;
}

std::string WriteAmountNumber(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.13g", value);
  std::string written(buffer);

  // The point is "." whatever locale the process runs in.
  const std::string point = std::localeconv()->decimal_point;
  if (!point.empty() && point != ".") {
    const std::size_t at = written.find(point);
    if (at != std::string::npos) written.replace(at, point.size(), ".");
  }

  // Exponents get three digits, as the program has always shown them.
  const std::size_t e = written.find('e');
  if (e != std::string::npos && e + 1 < written.size()) {
    const std::size_t digits = e + 2;  // after the sign, which "%g" always writes
    const std::size_t count = written.size() - digits;
    if (count < 3) written.insert(digits, 3 - count, '0');
  }
  return written;
}
