#include "settings/whole_number.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <limits>
#include <string_view>

namespace quorlane {
namespace {

using namespace std::string_view_literals;

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

TEST(ToWholeNumber, ReadsNumbersAsTheJapaneseLocaleDoes) {
  // An aggregate, not std::pair: only aggregate initialisation keeps the texts' array alive.
  const struct {
    std::int32_t value;
    std::initializer_list<std::string_view> texts;
  } numbers[] = {
      {7, {"\t\r\n\v\f 7 \f\v\n\r\t", "007", "+7"}},
      {-7, {"- 7"}},
      {1000, {"1,000"}},
      {100, {"1,00"}},
      {10, {"1,,0,"}},
      {1000000, {"1,000,000.5"}},
      {0, {".5"}},
      {5, {"5."}},
      {2, {"2.5", "2.4999999999999999999"}},  // halves go to the even neighbour
      {4, {"3.5"}},
      {-2, {"-2.5"}},
      {3, {"2.51", "2.50001", "2.5000000000000001"}},
      {-3, {"-2.51"}},
      {kMax, {"2147483647", "000000000000000000002147483647", "2147483647.4999"}},
      {kMin, {"-2147483648", "-2147483648.5"}},
      {2147483646, {"2147483646.5"}},
      // What a Japanese input method commits in its usual mode.
      {8, {"８", "　８　", "＋８", "８．", "７．５", "0８"}},
      {-1234, {"－１，２３４", "－　1,23４.０"}},
  };
  for (const auto& [value, texts] : numbers) {
    for (const std::string_view text : texts) {
      EXPECT_EQ(ToWholeNumber(text), value) << '"' << text << '"';
    }
  }
}

// Trailing signs, parentheses, exponents and "&H" forms are deliberately not supported; 2^32 and
// 2^64 + 1 wrap to small numbers in a narrower accumulator.
TEST(ToWholeNumber, TextThatIsNotANumberFailsAndNumbersOutsideTheRangeOverflow) {
  constexpr std::string_view kNotNumbers[] = {
      "", "   ", "abc", "7a", "\"7\"", "7;", "7 ; note", "ERROR", "7 8", ",1", ".", "1.5.5",
      "1.5,0", "-", "+-7", "7-", "(5)", "1e3", "&H10", "&HFFFFFFFF", "$7", "\\7", "99999999999x",
      "-99,999,999,999.5.", "7円", "￥7", "7\0"sv,
      // Full-width forms other than digits, signs, comma and full stop; a cut or stray byte.
      "８　８", "８ｅ３", "＄７", "７－", "\xEF\xBC", "\xEF\xBC\x98\x98"};
  for (const std::string_view text : kNotNumbers) {
    EXPECT_THROW(ToWholeNumber(text), ConversionError) << '"' << text << '"';
  }
  for (const std::string_view text :
       {"2147483648", "-2147483649", "2147483647.5", "-2147483648.6", "99999999999", "4294967296",
        "18446744073709551617", "-9223372036854775809", "1,000,000,000,000",
        "２１４７４８３６４８"}) {
    EXPECT_THROW(ToWholeNumber(text), OverflowError) << '"' << text << '"';
  }
}

}  // namespace
}  // namespace quorlane
