// The amount box's key filter, its normalisation on focus loss and its wrapping spin arrows.
#include <gtest/gtest.h>

#include <string>

#include "ui/AmountInput.h"

namespace {

TEST(AmountInputTest, KeyFilterPassesControlCharactersMinusAndDigitsOnly) {
  struct Case {
    unsigned int character;
    bool accepted;
  };
  const Case cases[] = {
      {0x08, true},  {0x03, true},  {0x16, true},  {0x18, true},  {0x1F, true},  // Backspace, Ctrl+C/V/X
      {'-', true},   {'0', true},   {'9', true},   {'5', true},
      {'/', false},  {':', false},  {'+', false},  {'.', false},  {',', false},  {'e', false},
      {'a', false},  {' ', false},  {0x7F, false}, {0xB7, false}, {0xFF11, false},  // full-width 1
  };
  for (const Case& c : cases) EXPECT_EQ(AcceptsAmountChar(c.character), c.accepted) << "character " << c.character;
}

TEST(AmountInputTest, NormaliseAmountLeavesAnIntegerOrNothing) {
  struct Case {
    const char* text;
    const char* normalised;
  };
  const Case cases[] = {
      {"1", "1"},
      {"007", "7"},
      {"-5", "-5"},  // the spin range is not enforced here
      {"12-3", "12"},
      {"123456", "123456"},
      {" \t42", "42"},
      {"+8", "8"},
      {"1.5", "1"},
      {"1e3", "1"},
      {"0", ""},
      {"-0", ""},
      {"00", ""},
      {"-", ""},
      {"--5", ""},
      {"", ""},
      {"abc", ""},
      {"１２", ""},  // full-width digits are not digits here
      {"2147483647", "2147483647"},
      {"2147483648", "2147483647"},
      {"-2147483648", "-2147483648"},
      {"-2147483649", "-2147483648"},
      {"9223372036854775808", "2147483647"},  // beyond 64 bits as well
      {"-99999999999999999999999", "-2147483648"},
      {"18446744073709551617", "2147483647"},    // 2^64 + 1: read without saturating it would wrap to 1
      {"-18446744073709551617", "-2147483648"},
  };
  for (const Case& c : cases) EXPECT_EQ(NormaliseAmount(c.text), c.normalised) << "text: " << c.text;
}

TEST(AmountInputTest, SpinArrowsStepWithinOneTo9999AndWrap) {
  struct Case {
    const char* text;
    std::int32_t delta;
    std::int32_t result;
  };
  const Case cases[] = {
      {"5", 1, 6},
      {"5", -1, 4},
      {"5", 3, 6},    // only the direction counts
      {"5", -7, 4},
      {"9998", 1, 9999},
      {"2", -1, 1},
      {"9999", 1, 1},
      {"1", -1, 9999},
      {"", 1, 1},
      {"", -1, 9999},
      {"abc", 1, 1},
      {"abc", -1, 9999},
      {"0", 1, 1},
      {"-5", 1, 1},
      {"-5", -1, 9999},
      {"20000", 1, 1},
      {"20000", -1, 9999},
      {"10000", -1, 9999},
      {"2147483647", 1, 1},        // no overflow past the 32-bit range
      {"-2147483648", -1, 9999},
      {"99999999999", 1, 1},
      {"18446744073709551617", 1, 1},  // saturated, not wrapped to 1 and stepped to 2
      {"5", 0, 5},                     // no direction: nothing to step
  };
  for (const Case& c : cases)
    EXPECT_EQ(SpinAmount(c.text, c.delta, 1, 9999), c.result) << "text: " << c.text << ", delta " << c.delta;
}

}  // namespace
