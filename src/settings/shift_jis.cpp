#include "settings/shift_jis.h"

#ifdef _WIN32
#include <windows.h>

#include <algorithm>
#else
#include "settings/transcoder.h"
#endif

namespace quorlane {
namespace {

#ifdef _WIN32

constexpr UINT kShiftJis = 932;
constexpr UINT kUtf8 = CP_UTF8;

// Unlike iconv, Windows turns a malformed Shift-JIS byte into "・" (U+30FB) rather than "?".
std::wstring ToWide(UINT codePage, std::string_view text) {
  const int textLength = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(codePage, 0, text.data(), textLength, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), textLength, wide.data(), length);
  return wide;
}

// Where inexact is given (never for UTF-8, which takes neither), no character is replaced by a
// look-alike, and *inexact tells whether any had no counterpart in the code page.
std::string FromWide(UINT codePage, std::wstring_view wide, BOOL* inexact = nullptr) {
  const DWORD flags = inexact ? WC_NO_BEST_FIT_CHARS : 0;
  const int wideLength = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(codePage, flags, wide.data(), wideLength, nullptr, 0, nullptr, inexact);
  std::string text(static_cast<std::size_t>(std::max(length, 0)), '\0');
  WideCharToMultiByte(codePage, flags, wide.data(), wideLength, text.data(), length, nullptr,
                      inexact);
  return text;
}

std::string Convert(UINT from, UINT to, std::string_view text) {
  return FromWide(to, ToWide(from, text));
}

#else

std::string Convert(Encoding from, Encoding to, std::string_view text) {
  Transcoder transcoder(from, to);
  std::string converted;
  transcoder.Convert(text, converted);
  transcoder.Finish(converted);
  return converted;
}

constexpr Encoding kShiftJis = Encoding::kShiftJis;
constexpr Encoding kUtf8 = Encoding::kUtf8;

#endif

}  // namespace

std::string ShiftJisToUtf8(std::string_view shiftJis) {
  return Convert(kShiftJis, kUtf8, shiftJis);
}

std::string Utf8ToShiftJis(std::string_view utf8) {
  return Convert(kUtf8, kShiftJis, utf8);
}

#ifdef _WIN32

std::string WideToAnsi(std::wstring_view wide, bool& exact) {
  BOOL inexact = FALSE;
  std::string ansi = FromWide(CP_ACP, wide, &inexact);
  exact = !inexact;
  return ansi;
}

std::string WideToUtf8(std::wstring_view wide) {
  return FromWide(kUtf8, wide);
}

#endif

}  // namespace quorlane
