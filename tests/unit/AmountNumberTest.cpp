// Reading the amount box's text as a number and writing a number back into it. The literals
// below are compiled to GBK, as the program's own texts are.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "scheduler/AmountNumber.h"

namespace {

struct NarrowCase {
  const char* text;
  const char* expected;
};

TEST(AmountNumberTest, NarrowTextTurnsFullWidthFormsIntoAscii) {
  const NarrowCase cases[] = {
      {"\xA3\xB1\xA3\xB2", "12"},            // full-width digits
      {"１２", "12"},                        // the same, as the compiler writes them
      {"－３．５", "-3.5"},                  // full-width minus and point
      {"\xA3\xAB", "+"},                     // full-width plus
      {"\xA3\xA1", "!"},                     // first of the full-width range
      {"\xA3\xFE", "~"},                     // last of the full-width range
      {"\xA3\xC5\xA3\xE4", "Ed"},            // full-width letters
      {"\xA1\xA1", " "},                     // ideographic space
      {"\xA1\xAB", "~"},                     // wave dash
      {"\xA1\xEE\xA1\xEF", "**"},            // white and black star
      {"5分", "5分"},                        // other characters stay as they are
      {"\xA1\xA2", "\xA1\xA2"},              // a neighbour of the narrowed A1 characters
      {"\xB0\xA3\xB1\xB2", "\xB0\xA3\xB1\xB2"},  // A3 as a second byte starts no full-width form
      {"12\xB7", "12"},                      // a lead byte at the very end is dropped
      {"\xA3", ""},
      {"１\xA3", "1"},
      {"a\x80" "b", "a\x80" "b"},            // single-byte characters above 0x7F stay
      {"", ""},
  };
  for (const NarrowCase& c : cases) EXPECT_EQ(NarrowText(c.text), c.expected) << "text: " << c.text;
}

struct ReadCase {
  const char* text;
  double expected;
};

TEST(AmountNumberTest, ReadAmountNumberReadsADecimalRealFromTheStart) {
  const ReadCase cases[] = {
      {"1", 1},
      {" 12", 12},
      {"\t\n\v\f\r 8", 8},
      {"\xA3\xB1\xA3\xB2", 12},
      {"\xA1\xA1" "3", 3},   // the ideographic space is a blank once narrowed
      {"-3", -3},
      {"+7", 7},
      {"－２", -2},
      {".5", 0.5},
      {"5.", 5},
      {"-.5", -0.5},
      {"１．５", 1.5},
      {"2.3", 2.3},
      {"007", 7},
      {"1e3", 1000},
      {"1E3", 1000},
      {"1d3", 1000},
      {"1D3", 1000},
      {"1\xA3\xE4" "3", 1000},  // a full-width d
      {"2e-3", 0.002},
      {"2.5D+2", 250},
      {"1.3e+013", 1.3e13},
      {"1e-005", 1e-5},
      {"1.234567890123e+020", 1.234567890123e20},
      {"1e", 1},             // an exponent letter without digits is not part of the number
      {"1e+", 1},
      {"1e-x", 1},
      {"5分", 5},
      {"1.5.3", 1.5},
      {"1,5", 1},
      {"1 2", 1},
      {"12\xB7", 12},
      {"", 0},
      {"abc", 0},
      {"-", 0},
      {".", 0},
      {"++1", 0},
      {"e3", 0},
      {"0x10", 0},           // no hexadecimal
      {"inf", 0},            // no infinities
      {"-infinity", 0},
      {"nan", 0},            // no NaN
  };
  for (const ReadCase& c : cases) EXPECT_EQ(ReadAmountNumber(c.text), c.expected) << "text: " << c.text;
}

TEST(AmountNumberTest, ReadAmountNumberKeepsLongAndExtremeNumbersInRange) {
  EXPECT_DOUBLE_EQ(ReadAmountNumber("12345678901234567890123"), 1.2345678901234567890123e22);
  EXPECT_DOUBLE_EQ(ReadAmountNumber("0.000000000000000000000000012345"), 1.2345e-26);
  EXPECT_DOUBLE_EQ(ReadAmountNumber("1.797693134862e+308"), 1.797693134862e308);
  // Too large for a double: the largest one, never infinity.
  EXPECT_EQ(ReadAmountNumber("1e999"), std::numeric_limits<double>::max());
  EXPECT_EQ(ReadAmountNumber("-1e999"), -std::numeric_limits<double>::max());
  // Just past the largest double, where the product is formed in long double and only then
  // narrowed: it must be capped there too, or it turns into infinity.
  EXPECT_EQ(ReadAmountNumber("1e309"), std::numeric_limits<double>::max());
  EXPECT_EQ(ReadAmountNumber("-2e308"), -std::numeric_limits<double>::max());
  EXPECT_EQ(ReadAmountNumber("1.79769313486231575e308"), std::numeric_limits<double>::max());
  EXPECT_EQ(ReadAmountNumber("1e-999"), 0.0);
  EXPECT_EQ(ReadAmountNumber("1e99999999999999999999"), std::numeric_limits<double>::max());
}

struct WriteCase {
  double value;
  const char* expected;
};

TEST(AmountNumberTest, WriteAmountNumberUsesThirteenDigitsAndThreeDigitExponents) {
  const WriteCase cases[] = {
      {0, "0"},
      {1, "1"},
      {-1, "-1"},
      {0.5, "0.5"},
      {-0.5, "-0.5"},
      {9999, "9999"},
      {123.456, "123.456"},
      {2.3 - 1.0, "1.3"},        // the residue of double arithmetic is rounded away
      {1.3 - 1.0, "0.3"},
      {0.1 + 0.2, "0.3"},
      {0.0001, "0.0001"},
      {0.00001, "1e-005"},
      {-2.5e-7, "-2.5e-007"},
      {1234567890123, "1234567890123"},
      {1e13, "1e+013"},
      {12345678901234, "1.234567890123e+013"},
      {1e21, "1e+021"},
      {1e-100, "1e-100"},
      {1e300, "1e+300"},
  };
  for (const WriteCase& c : cases) EXPECT_EQ(WriteAmountNumber(c.value), c.expected) << "value: " << c.value;
}

TEST(AmountNumberTest, WrittenNumbersReadBackAsTheSameThirteenDigits) {
  const double values[] = {1.3, 0.3, -0.7, 1e13, 1e-5, 123456.789, 1.234567890123e20};
  for (double value : values) {
    const std::string written = WriteAmountNumber(value);
    EXPECT_EQ(WriteAmountNumber(ReadAmountNumber(written)), written);
  }
}

TEST(AmountNumberTest, PointIsADotWhateverTheLocale) {
  const char* const commaLocales[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "ru_RU.UTF-8"};
  const char* chosen = nullptr;
  for (const char* name : commaLocales)
    if (std::setlocale(LC_NUMERIC, name)) {
      chosen = name;
      break;
    }
  if (!chosen) GTEST_SKIP() << "no locale with a decimal comma is installed";
  const std::string written = WriteAmountNumber(0.5);
  const double read = ReadAmountNumber("2.5");
  std::setlocale(LC_NUMERIC, "C");
  EXPECT_EQ(written, "0.5") << chosen;
  EXPECT_EQ(read, 2.5) << chosen;
}

}  // namespace
