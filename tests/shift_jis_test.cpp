#include "settings/shift_jis.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace quorlane {
namespace {

using Pair = std::pair<std::string, std::string>;  // Shift-JIS, UTF-8

TEST(ShiftJis, ConvertsBothWaysWithMicrosoftsTable) {
  const std::string longText(5000, '7');  // more than one pass of the converter's buffer
  const Pair pairs[] = {
      {"\x95\x5C\x83\x5C", "表ソ"},  // second bytes that are "\"
      {"\xB1\xDD\xC0\xDE", "ｱﾝﾀﾞ"},
      {"\\\x8E\x9E\x8A\xD4~", "\\時間~"},  // "\" and "~" stay ASCII, unlike in JIS X 0201
      {"\x81\x60\x87\x40", "～①"},         // FF5E, not 301C; an NEC row 13 character
      {longText + "\x95\x5C", longText + "表"},
  };
  for (const auto& [shiftJis, utf8] : pairs) {
    EXPECT_EQ(ShiftJisToUtf8(shiftJis), utf8);
    EXPECT_EQ(Utf8ToShiftJis(utf8), shiftJis);
  }
}

TEST(ShiftJis, BadBytesBecomeQuestionMarks) {
  // A lead byte at the end or before a non-trail byte, a byte that is never a character, an
  // unassigned pair.
  for (const auto& [shiftJis, utf8] :
       {Pair{"\x83", "?"}, Pair{"\x83 a", "? a"}, Pair{"a\xFFz", "a?z"}, Pair{"\x85\x40!", "?!"}}) {
    EXPECT_EQ(ShiftJisToUtf8(shiftJis), utf8);
  }
  // Outside code page 932, a truncated sequence (one mark), an encoded surrogate, a stray byte.
  for (const auto& [shiftJis, utf8] :
       {Pair{"?", "€"}, Pair{"a?b", "a😀b"}, Pair{"?Z", "\xE3\x81Z"}, Pair{"a?", "a\xE3\x81"},
        Pair{"???", "\xED\xA0\x80"}, Pair{"?", "\xFF"}}) {
    EXPECT_EQ(Utf8ToShiftJis(utf8), shiftJis);
  }
}

}  // namespace
}  // namespace quorlane
