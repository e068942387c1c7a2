#pragma once

#include <algorithm>
#include <string_view>

namespace quorlane {

// Bytes below 0x80 are the same characters in ASCII, UTF-8 and Shift-JIS: such text needs no
// conversion.
constexpr bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace quorlane
