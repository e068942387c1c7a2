#include "settings/ascii.h"
#include "settings/shift_jis.h"
#include "settings/transcoder.h"

namespace quorlane {
namespace {

std::string Convert(Encoding from, Encoding to, std::string_view text) {
  Transcoder transcoder(from, to);
  std::string converted;
  transcoder.Convert(text, converted);
  transcoder.Finish(converted);
  return converted;
}

}  // namespace

std::string ShiftJisToUtf8(std::string_view shiftJis) {
  return Convert(Encoding::kShiftJis, Encoding::kUtf8, shiftJis);
}

std::string Utf8ToShiftJis(std::string_view utf8) {
  return Convert(Encoding::kUtf8, Encoding::kShiftJis, utf8);
}

bool NeedsMissingConverter(std::string_view shiftJis) {
  return !IsAscii(shiftJis) && !Transcoder(Encoding::kShiftJis, Encoding::kUtf8).HasConverter();
}

}  // namespace quorlane
