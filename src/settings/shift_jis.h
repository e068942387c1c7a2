#pragma once

#include <string>
#include <string_view>

namespace quorlane {

// Code page 932 (Microsoft's Shift-JIS) to and from UTF-8. Characters that have no counterpart,
// and malformed sequences, become "?" (on Windows, the system's marks: "・" for a bad byte).
std::string ShiftJisToUtf8(std::string_view shiftJis);
std::string Utf8ToShiftJis(std::string_view utf8);

#ifdef _WIN32
// The text in the system's ANSI code page, with "?" for each character that has no exact
// counterpart there (never a look-alike); exact tells whether there was none.
std::string WideToAnsi(std::wstring_view wide, bool& exact);
std::string WideToUtf8(std::wstring_view wide);
#endif

}  // namespace quorlane
