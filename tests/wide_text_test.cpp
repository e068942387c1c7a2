#include "settings/wide_text.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

#include "settings/ansi_file_name.h"

namespace quorlane {
namespace {

// WideCharToMultiByte as Windows documents it for CP_UTF8, which Wine does not enforce: only the
// flags 0 or WC_ERR_INVALID_CHARS, and no default character or used-default flag.
int DocumentedWideToMultiByte(unsigned codePage, unsigned long flags, const wchar_t* wide,
                              int wideLength, char* bytes, int byteLength, const char* defaultChar,
                              int* usedDefault) {
  const bool flagsAllowed = flags == 0 || flags == WC_ERR_INVALID_CHARS;
  if (codePage == CP_UTF8 && (!flagsAllowed || defaultChar != nullptr || usedDefault != nullptr)) {
    SetLastError(ERROR_INVALID_FLAGS);
    return 0;
  }
  return WideCharToMultiByte(codePage, flags, wide, wideLength, bytes, byteLength, defaultChar,
                             usedDefault);
}

// Japanese and Western Windows' ANSI code pages, and UTF-8 (a beta option of Windows 10 and 11).
TEST(ToCodePage, ConvertsExactlyOrNotAtAll) {
  const struct {
    unsigned codePage;
    std::wstring wide;
    std::optional<std::string> bytes;  // none: no exact conversion
  } cases[] = {
      {932, L"C:\\\x4F1A\x8B70\\Quorlane.ini", "C:\\\x89\xEF\x8B\x63\\Quorlane.ini"},
      {932, L"caf\xE9", std::nullopt},  // never the look-alike "cafe"
      {1252, L"caf\xE9", "caf\xE9"},
      {1252, L"\x4F1A\x8B70", std::nullopt},
      {1252, L"", ""},
      {65001, L"\x4F1A\xD83D\xDE00", "\xE4\xBC\x9A\xF0\x9F\x98\x80"},
      {65001, L"a\xD800!", std::nullopt},  // a lone surrogate
  };
  for (const auto& [codePage, wide, bytes] : cases) {
    SCOPED_TRACE(codePage);
    EXPECT_EQ(ToCodePage(wide, codePage), bytes);
    EXPECT_EQ(ToCodePage(wide, codePage, DocumentedWideToMultiByte), bytes);
  }
}

// The tests run with the Japanese ANSI code page, which lacks Hangul.
TEST(AnsiFileName, IsThePathOrItsShortFormOrNothing) {
  const ShortPathOf none = [](const std::wstring&) { return std::wstring(); };
  const ShortPathOf eightDotThree = [](const std::wstring&) {
    return std::wstring(L"C:\\FOLDER~1\\QUORLANE.INI");
  };
  const std::wstring korean = L"C:\\\xD68C\xC758\\Quorlane.ini";
  EXPECT_EQ(AnsiFileName(L"C:\\\x4F1A\x8B70\\Quorlane.ini", none),
            "C:\\\x89\xEF\x8B\x63\\Quorlane.ini");
  EXPECT_EQ(AnsiFileName(korean, eightDotThree), "C:\\FOLDER~1\\QUORLANE.INI");
  EXPECT_EQ(AnsiFileName(korean, none), std::nullopt);
}

}  // namespace
}  // namespace quorlane
