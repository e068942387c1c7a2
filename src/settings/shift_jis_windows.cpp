#include "settings/shift_jis.h"
#include "settings/wide_text.h"

namespace quorlane {
namespace {

constexpr unsigned kShiftJis = 932;

}  // namespace

// Unlike iconv, Windows turns a malformed Shift-JIS byte into "・" (U+30FB) rather than "?".
std::string ShiftJisToUtf8(std::string_view shiftJis) {
  return Narrow(FromCodePage(shiftJis, kShiftJis));
}

std::string Utf8ToShiftJis(std::string_view utf8) {
  return ToCodePageBestFit(Widen(utf8), kShiftJis);
}

bool NeedsMissingConverter(std::string_view) {
  return false;  // the system always has code page 932
}

}  // namespace quorlane
