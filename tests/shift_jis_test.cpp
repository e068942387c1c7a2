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

}  // namespace
}  // namespace quorlane
