#include <windows.h>

#include <algorithm>

#include "settings/wide_text.h"

namespace quorlane {
namespace {

int SystemWideToMultiByte(unsigned codePage, unsigned long flags, const wchar_t* wide,
                          int wideLength, char* bytes, int byteLength, const char* defaultChar,
                          int* usedDefault) {
  return WideCharToMultiByte(codePage, flags, wide, wideLength, bytes, byteLength, defaultChar,
                             usedDefault);
}

// UTF-8 and GB18030 hold every character; the call takes no best-fit flag and no used-default
// flag for them, and fails on a lone surrogate only when told to.
bool HoldsEveryCharacter(unsigned codePage) {
  return codePage == CP_UTF8 || codePage == 54936;
}

// Sizes, then fills; nothing when either call fails.
std::optional<std::string> CallTwice(WideToMultiByte convert, std::wstring_view wide,
                                     unsigned codePage, unsigned long flags, int* usedDefault) {
  if (wide.empty()) return std::string();
  const int wideLength = static_cast<int>(wide.size());
  const int length =
      convert(codePage, flags, wide.data(), wideLength, nullptr, 0, nullptr, usedDefault);
  if (length <= 0) return std::nullopt;
  std::string text(static_cast<std::size_t>(length), '\0');
  if (convert(codePage, flags, wide.data(), wideLength, text.data(), length, nullptr,
              usedDefault) != length) {
    return std::nullopt;
  }
  return text;
}

}  // namespace

std::wstring Widen(std::string_view utf8) {
  return FromCodePage(utf8, CP_UTF8);
}

std::string Narrow(std::wstring_view utf16) {
  return ToCodePageBestFit(utf16, CP_UTF8);
}

std::wstring FromCodePage(std::string_view text, unsigned codePage) {
  const int textLength = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(codePage, 0, text.data(), textLength, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(std::max(length, 0)), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), textLength, wide.data(), length);
  return wide;
}

std::optional<std::string> ToCodePage(std::wstring_view wide, unsigned codePage,
                                      WideToMultiByte convert) {
  if (HoldsEveryCharacter(codePage)) {
    return CallTwice(convert, wide, codePage, WC_ERR_INVALID_CHARS, nullptr);
  }
  BOOL usedDefault = FALSE;
  std::optional<std::string> text =
      CallTwice(convert, wide, codePage, WC_NO_BEST_FIT_CHARS, &usedDefault);
  if (usedDefault) return std::nullopt;
  return text;
}

std::optional<std::string> ToCodePage(std::wstring_view wide, unsigned codePage) {
  return ToCodePage(wide, codePage, SystemWideToMultiByte);
}

std::optional<std::string> ToAnsiCodePage(std::wstring_view wide) {
  return ToCodePage(wide, GetACP());
}

std::string ToCodePageBestFit(std::wstring_view wide, unsigned codePage) {
  return CallTwice(SystemWideToMultiByte, wide, codePage, 0, nullptr).value_or(std::string());
}

}  // namespace quorlane
