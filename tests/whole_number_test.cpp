#include "settings/whole_number.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace quorlane {
namespace {

using namespace std::string_view_literals;

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

struct Reading {
  std::string_view text;
  std::int32_t value;
};

constexpr Reading kNumbers[] = {
    {"7", 7},
    {"   7  ", 7},
    {"\t\r\n\v\f7\f\v\n\r\t", 7},
    {"007", 7},
    {"+7", 7},
    {"-7", -7},
    {"- 7", -7},
    {" +\t7 ", 7},
    {"-0", 0},
    {"1,000", 1000},
    {"1,00", 100},
    {"5,000", 5000},
    {"1,,0,", 10},
    {"1,000,000.5", 1000000},
    {".5", 0},
    {"5.", 5},
    {"0.6", 1},
    {"1.5", 2},
    {"2.5", 2},
    {"3.5", 4},
    {"-2.5", -2},
    {"-0.5", 0},
    {"2.51", 3},
    {"-2.51", -3},
    {"2.50001", 3},
    {"2.5000000000000001", 3},
    {"2.4999999999999999999", 2},
    {"2147483647", kMax},
    {"-2147483648", kMin},
    {"000000000000000000002147483647", kMax},
    {"2147483647.4999", kMax},
    {"2147483646.5", 2147483646},
    {"2147483645.5", 2147483646},
    {"-2147483648.5", kMin},
    {"2,147,483,647", kMax},
};

TEST(ToWholeNumber, ReadsNumbersAsTheJapaneseLocaleDoes) {
  for (const auto& [text, value] : kNumbers) {
    EXPECT_EQ(ToWholeNumber(text), value) << '"' << text << '"';
  }
}

constexpr std::string_view kNotNumbers[] = {
    "",
    "   ",
    "abc",
    "7a",
    "\"7\"",
    "7;",
    "7 ; note",
    "ERROR",
    "7 8",
    "7 .5",
    ",1",
    "-,1",
    ".",
    "-.",
    "1.5.5",
    "1.5,0",
    "-",
    "+-7",
    "--7",
    "7-",
    "(5)",
    "1e3",
    "&H10",
    "0x10",
    "$7",
    "\\7",
    "7円",
    "￥7",
    "７",
    "7　",
    "7\0"sv,
    "\0"
    "7"sv,
    "99999999999x",
    "-99,999,999,999.5.",
};

TEST(ToWholeNumber, TextThatIsNotANumberIsAConversionFailure) {
  for (const std::string_view text : kNotNumbers) {
    EXPECT_THROW(ToWholeNumber(text), ConversionError) << '"' << text << '"';
  }
}

constexpr std::string_view kOutOfRange[] = {
    "2147483648",    "-2147483649",          "2147483647.5",         "2147483647.50000000001",
    "-2147483648.6", "-2147483648.5000001",  "99999999999",          "1,000,000,000,000",
    "4294967296",    "18446744073709551617", "-9223372036854775809",
};

TEST(ToWholeNumber, NumbersOutsideTheRangeAfterRoundingOverflow) {
  for (const std::string_view text : kOutOfRange) {
    EXPECT_THROW(ToWholeNumber(text), OverflowError) << '"' << text << '"';
  }
}

// A quadratic scan would take hours on these; a linear one takes milliseconds, even under ASan.
TEST(ToWholeNumber, MegabytesOfDigitsAreReadInLinearTime) {
  const std::string digits(8 << 20, '9');
  const auto started = std::chrono::steady_clock::now();

  EXPECT_THROW(ToWholeNumber(digits), OverflowError);
  EXPECT_THROW(ToWholeNumber(digits + "x"), ConversionError);
  EXPECT_EQ(ToWholeNumber(std::string(8 << 20, '0') + "7"), 7);
  EXPECT_EQ(ToWholeNumber("2.5" + std::string(8 << 20, '0') + "1"), 3);
  EXPECT_EQ(ToWholeNumber("2.5" + std::string(8 << 20, '0')), 2);

  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
}

}  // namespace
}  // namespace quorlane
