#include "core/numbers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace tagwright {
namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

struct IntegerCase {
  const char* name;
  Text text;
  std::int32_t expected;
};

TEST(ToInteger, ReadsTheLeadingInteger) {
  const IntegerCase cases[] = {
      {"empty", "", 0},
      {"blanks only", "   ", 0},
      {"every skipped blank", " \t\n\v\f\r42", 42},
      {"plus sign", "+7", 7},
      {"minus sign", "-3", -3},
      {"two signs", "--3", 0},
      {"mixed signs", "+-3", 0},
      {"blank after sign", "- 3", 0},
      {"fraction cut", "10.7", 10},
      {"trailing letters", "12ab", 12},
      {"letters only", "abc", 0},
      {"leading zeros", "007", 7},
      {"blank inside", "1 2", 1},
      {"largest", "2147483647", kMax},
      {"two to the 31 wraps", "2147483648", kMin},
      {"most negative", "-2147483648", kMin},
      {"two to the 32 wraps to zero", "4294967296", 0},
      {"past two to the 32", "4294967297", 1},
      {"many digits", "99999999999", 1215752191},
      {"negated wrap", "-4294967295", 1},
      {"full-width digits", "\xA3\xB1\xA3\xB5", 15},
      {"full-width minus", "\xA3\xAD\xA3\xB2", -2},
      {"full-width plus",
       "\xA3\xAB"
       "9",
       9},
      {"full-width blank",
       "\xA1\xA1"
       "7",
       7},
      {"full-width digits mixed with ASCII",
       "1\xA3\xB0"
       "0",
       100},
      {"full-width point stops", "\xA3\xB1\xA3\xAE\xA3\xB5", 1},
      {"other two-byte character stops",
       "\xB8\xB4"
       "5",
       0},
      {"A3 pair outside the mapped range",
       "\xA3\x40"
       "5",
       0},
      {"lone lead byte at the end", "\xA3", 0},
      {"digits then lone lead byte", "5\xA3", 5},
      {"full-width digit then lone lead byte", "\xA3\xB1\xA3", 1},
      {"lone full-width blank lead byte", "\xA1", 0},
  };
  for (const IntegerCase& c : cases) {
    EXPECT_EQ(toInteger(c.text), c.expected) << c.name;
  }
}

TEST(ToInteger, ReadsOnlyTheLeadingPartOfAMegabyteText) {
  const Text text = "12" + Text(1 << 20, 'x');
  EXPECT_EQ(toInteger(text), 12);
  EXPECT_EQ(toInteger(Text(1 << 20, ' ') + "-8"), -8);
  // A million digits wrap without overflow: 10^k is a multiple of 2^32 once k >= 32.
  EXPECT_EQ(toInteger("1" + Text(1 << 20, '0')), 0);
}

struct NumberCase {
  double number;
  const char* expected;
};

TEST(NumberToText, FormatsLikeTheWindowsRuntime) {
  const NumberCase cases[] = {
      {-6.0, "-6"},
      {80.0, "80"},
      {0.0, "0"},
      {0.5, "0.5"},
      {20.0, "20"},
      {1e100, "1e+100"},
      {2e20, "2e+020"},
      {1e-5, "1e-005"},
      {1e-300, "1e-300"},
      {4294967294.0, "4294967294"},
      {-4294967296.0, "-4294967296"},
      {1234567890123.0, "1234567890123"},
      {12345678901234.0, "1.234567890123e+013"},
      {0.1, "0.1"},
      {1.0 / 3.0, "0.3333333333333"},
  };
  for (const NumberCase& c : cases) {
    EXPECT_EQ(numberToText(c.number), c.expected) << c.expected;
  }
}

}  // namespace
}  // namespace tagwright
