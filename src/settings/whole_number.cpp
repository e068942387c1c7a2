#include "settings/whole_number.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "settings/ascii.h"

namespace quorlane {
namespace {

// The C locale's white space, wider than the INI blanks: line ends and form feed count too.
constexpr bool IsNumberBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

constexpr bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::string_view TrimLeadingNumberBlanks(std::string_view text) {
  const auto first = std::find_if_not(text.begin(), text.end(), IsNumberBlank);
  return text.substr(static_cast<std::size_t>(first - text.begin()));
}

std::string_view TrimNumberBlanks(std::string_view text) {
  text = TrimLeadingNumberBlanks(text);
  const auto last = std::find_if_not(text.rbegin(), text.rend(), IsNumberBlank);
  return text.substr(0, static_cast<std::size_t>(text.rend() - last));
}

// A Japanese input method commits full-width forms ("８", "－", "　"); the number reads them as
// their ASCII counterparts. U+FF01 to U+FF3F are EF BC 81 to BF in UTF-8, 0x60 above the ASCII they
// stand for; the ideographic space U+3000 is E3 80 80.
std::string AsciiNumberForms(std::string_view text) {
  constexpr std::string_view kFullWidthLead = "\xEF\xBC", kIdeographicSpace = "\xE3\x80\x80";
  constexpr std::string_view kNumberCharacters = "0123456789+-,.";
  std::string ascii;
  ascii.reserve(text.size());
  while (!text.empty()) {
    std::size_t taken = 1;
    char c = text.front();
    if (text.starts_with(kIdeographicSpace)) {
      c = ' ';
      taken = kIdeographicSpace.size();
    } else if (text.starts_with(kFullWidthLead) && text.size() > kFullWidthLead.size()) {
      const auto form = static_cast<char>(static_cast<unsigned char>(text[2]) - 0x60);
      if (kNumberCharacters.find(form) != std::string_view::npos) {
        c = form;
        taken = 3;
      }
    }
    ascii += c;
    text.remove_prefix(taken);
  }
  return ascii;
}

// A number as written: the whole part keeps its "," separators.
struct WrittenNumber {
  bool negative = false;
  std::string_view whole;
  std::string_view fraction;
};

// The whole text is checked before any digit is weighed, so text that is not a number is a
// conversion failure even where its digits would also overflow.
WrittenNumber ReadWritten(std::string_view text) {
  WrittenNumber number;
  text = TrimNumberBlanks(text);
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    number.negative = text.front() == '-';
    text = TrimLeadingNumberBlanks(text.substr(1));
  }
  const std::size_t point = text.find('.');
  number.whole = text.substr(0, point);
  if (point != std::string_view::npos) number.fraction = text.substr(point + 1);

  const bool wholeWritten =
      number.whole.empty() ||
      (IsDigit(number.whole.front()) && std::all_of(number.whole.begin(), number.whole.end(),
                                                    [](char c) { return IsDigit(c) || c == ','; }));
  const bool fractionWritten = std::all_of(number.fraction.begin(), number.fraction.end(), IsDigit);
  const bool anyDigit = !number.whole.empty() || !number.fraction.empty();
  if (!wholeWritten || !fractionWritten || !anyDigit) throw ConversionError("not a number");
  return number;
}

// Half to even on the exact digits: only the first fraction digit and whether any later one is
// non-zero matter, so no digit string is ever turned into a wide number.
bool RoundsUp(std::string_view fraction, std::uint64_t whole) {
  if (fraction.empty() || fraction.front() < '5') return false;
  if (fraction.front() > '5') return true;
  const bool aboveHalf = fraction.find_first_not_of('0', 1) != std::string_view::npos;
  return aboveHalf || whole % 2 == 1;
}

}  // namespace

std::int32_t ToWholeNumber(std::string_view text) {
  // ASCII text holds no full-width form and is read where it lies.
  const bool plainAscii = IsAscii(text);
  const std::string ascii = plainAscii ? std::string() : AsciiNumberForms(text);
  const WrittenNumber number = ReadWritten(plainAscii ? text : ascii);

  // Rounding never brings a magnitude above 2^31 back into range, so stop at the first digit
  // that passes it: the rest of a megabyte of digits is never weighed.
  constexpr std::uint64_t kLargestMagnitude = std::uint64_t{1} << 31;
  std::uint64_t magnitude = 0;
  for (const char c : number.whole) {
    if (c == ',') continue;
    magnitude = magnitude * 10 + static_cast<std::uint64_t>(c - '0');
    if (magnitude > kLargestMagnitude) throw OverflowError("outside the 32-bit range");
  }
  if (RoundsUp(number.fraction, magnitude)) ++magnitude;

  const auto value = static_cast<std::int64_t>(magnitude);
  const std::int64_t signedValue = number.negative ? -value : value;
  if (!std::in_range<std::int32_t>(signedValue)) throw OverflowError("outside the 32-bit range");
  return static_cast<std::int32_t>(signedValue);
}

}  // namespace quorlane
