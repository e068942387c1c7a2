#pragma once

#include <string>
#include <string_view>

namespace quorlane {

// Code page 932 (Microsoft's Shift-JIS) to and from UTF-8. Characters that have no counterpart,
// and malformed sequences, become "?".
std::string ShiftJisToUtf8(std::string_view shiftJis);
std::string Utf8ToShiftJis(std::string_view utf8);

}  // namespace quorlane
