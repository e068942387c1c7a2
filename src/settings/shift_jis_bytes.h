#pragma once

#include <cstddef>
#include <string_view>

namespace quorlane {

// Code page 932 byte classes. A lead byte followed by a trail byte is one double-byte character; a
// lead byte without a valid trail byte is a character of its own. Trail bytes include "\" and "]",
// so any search for those must step over double-byte characters.
constexpr bool IsShiftJisLeadByte(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

constexpr bool IsShiftJisTrailByte(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

// The width in bytes of the character that starts at text[at].
constexpr std::size_t ShiftJisCharWidth(std::string_view text, std::size_t at) {
  const bool doubleByte =
      IsShiftJisLeadByte(text[at]) && at + 1 < text.size() && IsShiftJisTrailByte(text[at + 1]);
  return doubleByte ? 2 : 1;
}

// The longest start of text within maxBytes that does not split a double-byte character.
constexpr std::string_view CutShiftJis(std::string_view text, std::size_t maxBytes) {
  if (text.size() <= maxBytes) {
    return text;
  }
  std::size_t end = 0;
  while (end + ShiftJisCharWidth(text, end) <= maxBytes) {
    end += ShiftJisCharWidth(text, end);
  }
  return text.substr(0, end);
}

}  // namespace quorlane
