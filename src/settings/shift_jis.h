#pragma once

#include <string>
#include <string_view>

namespace quorlane {

// Code page 932 (Microsoft's Shift-JIS) to and from UTF-8. Characters that have no counterpart,
// and malformed sequences, become "?" (on Windows, the system's marks: "・" for a bad byte). Where
// the system has no converter for code page 932, ASCII still reads as ASCII and every other
// character becomes "?".
std::string ShiftJisToUtf8(std::string_view shiftJis);
std::string Utf8ToShiftJis(std::string_view utf8);

// Whether the text has a character that needs the converter for code page 932 where the system
// lacks it (glibc without its gconv modules, musl).
bool NeedsMissingConverter(std::string_view shiftJis);

}  // namespace quorlane
