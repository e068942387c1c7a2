#include "settings/shift_jis.h"

#include <gtest/gtest.h>

#include <utility>

namespace quorlane {
namespace {

// What a settings file's values may hold (the start-up table checks well-formed ones): a lead byte
// at the end or before a non-trail byte, a byte that is never a character, an unassigned pair.
TEST(ShiftJis, BadBytesBecomeQuestionMarks) {
  for (const auto& [shiftJis, utf8] :
       {std::pair{"\x83", "?"}, {"\x83 a", "? a"}, {"a\xFFz", "a?z"}, {"\x85\x40!", "?!"}}) {
    EXPECT_EQ(ShiftJisToUtf8(shiftJis), utf8);
  }
}

// Both ways, on every system: the full-width forms a number may be typed in, the ideographic
// space, the backslash byte that is also 十's second byte, and characters where code page 932
// differs from plain Shift-JIS (～ is U+FF5E, not U+301C; ① is an NEC row 13 character).
TEST(ShiftJis, CodePage932CharactersConvertBothWays) {
  for (const auto& [shiftJis, utf8] : {std::pair{"\x82\x4f\x82\x58", "０９"},
                                       {"\x81\x7b\x81\x7c\x81\x43\x81\x44", "＋－，．"},
                                       {"\x81\x40", "　"},
                                       {"\\\x8f\x5c", "\\十"},
                                       {"\x81\x60\x87\x40", "～①"}}) {
    EXPECT_EQ(ShiftJisToUtf8(shiftJis), utf8);
    EXPECT_EQ(Utf8ToShiftJis(utf8), shiftJis);
  }
}

}  // namespace
}  // namespace quorlane
