#include "settings/shift_jis.h"

#include <gtest/gtest.h>

#include <string>

namespace quorlane {
namespace {

struct Pair {
  std::string shiftJis;
  std::string utf8;
};

TEST(ShiftJis, ConvertsBothWays) {
  const Pair pairs[] = {
      {"", ""},
      {"COST 5000", "COST 5000"},
      {"\x95\x5C\x83\x5C", "表ソ"},      // second bytes that are "\"
      {"\xB1\xDD\xC0\xDE", "ｱﾝﾀﾞ"},      // half-width kana
      {"\\\x8E\x9E\x8A\xD4", "\\時間"},  // the minimised title starts with "\"
      {"~", "~"},
      {"\x81\x60", "～"},
      {"\x87\x40", "①"},  // an NEC row 13 character, only in Microsoft's table
  };
  for (const Pair& pair : pairs) {
    EXPECT_EQ(ShiftJisToUtf8(pair.shiftJis), pair.utf8);
    EXPECT_EQ(Utf8ToShiftJis(pair.utf8), pair.shiftJis);
  }
}

TEST(ShiftJis, LongTextIsConvertedWhole) {
  std::string shiftJis;
  std::string utf8;
  for (int i = 0; i < 5000; ++i) {
    shiftJis += "\x95\x5C";
    utf8 += "表";
  }
  EXPECT_EQ(ShiftJisToUtf8(shiftJis), utf8);
  EXPECT_EQ(Utf8ToShiftJis(utf8), shiftJis);
}

TEST(ShiftJis, BadBytesBecomeQuestionMarks) {
  const Pair fromShiftJis[] = {
      {"\x83", "?"},      // lead byte at the end
      {"\x83 a", "? a"},  // lead byte without a trail byte
      {"a\xFF"
       "b",
       "a?b"},              // never a character
      {"\x85\x40!", "?!"},  // a pair with no character assigned
  };
  for (const Pair& pair : fromShiftJis) {
    EXPECT_EQ(ShiftJisToUtf8(pair.shiftJis), pair.utf8);
  }
  const Pair fromUtf8[] = {
      {"?", "€"},  // not in code page 932
      {"a?b", "a😀b"},
      {"?A",
       "\xE3\x81"
       "A"},                    // truncated sequence, one mark
      {"a?", "a\xE3\x81"},      // truncated at the end
      {"???", "\xED\xA0\x80"},  // an encoded surrogate
      {"?", "\xFF"},
  };
  for (const Pair& pair : fromUtf8) {
    EXPECT_EQ(Utf8ToShiftJis(pair.utf8), pair.shiftJis);
  }
}

}  // namespace
}  // namespace quorlane
