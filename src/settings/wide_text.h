#pragma once

#include <optional>
#include <string>
#include <string_view>

// Windows only: the one place where UTF-16 meets UTF-8 and the code pages.
namespace quorlane {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// Text in a code page, converted as that code page reads it (a malformed byte becomes the system's
// mark for it).
std::wstring FromCodePage(std::string_view text, unsigned codePage);

// The text in the code page with every character exact, never a look-alike; nothing when a
// character has no counterpart there or the conversion fails.
std::optional<std::string> ToCodePage(std::wstring_view wide, unsigned codePage);
// The same in the system's ANSI code page, which the "A" functions take.
std::optional<std::string> ToAnsiCodePage(std::wstring_view wide);
// The text as the system converts it by default: a look-alike or "?" for a character the code page
// lacks.
std::string ToCodePageBestFit(std::wstring_view wide, unsigned codePage);

// WideCharToMultiByte's shape without <windows.h>; tests put a stricter one in its place.
using WideToMultiByte = int (*)(unsigned codePage, unsigned long flags, const wchar_t* wide,
                                int wideLength, char* bytes, int byteLength,
                                const char* defaultChar, int* usedDefault);
std::optional<std::string> ToCodePage(std::wstring_view wide, unsigned codePage,
                                      WideToMultiByte convert);

}  // namespace quorlane
