#include "settings/shift_jis.h"

#ifdef _WIN32
#include <windows.h>
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

std::string FromWide(UINT codePage, std::wstring_view wide) {
  const int wideLength = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(codePage, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), wideLength, text.data(), length, nullptr, nullptr);
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

}  // namespace quorlane
