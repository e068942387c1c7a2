#include "settings/transcoder.h"

#include <gtest/gtest.h>

#include <string>

namespace quorlane {
namespace {

using namespace std::string_literals;

struct Case {
  Encoding from;
  std::string input;
  std::string expected;  // UTF-8
};

// Without a converter (glibc without its gconv modules, musl) ASCII still comes through, whole or
// byte by byte, and each other character becomes one "?".
TEST(Transcoder, WithoutAConverterAsciiStillReadsAsAscii) {
  const Case cases[] = {
      {Encoding::kShiftJis,
       "[DATA]\nKEY=\x95\x5C"
       "7",
       "[DATA]\nKEY=?7"},
      {Encoding::kShiftJis, "\x83", "?"},
      {Encoding::kUtf8,
       "[DATA]\nKEY=\xE3\x82\xBD\xF0\x9F\x98\x80"
       "7",
       "[DATA]\nKEY=??7"},
      {Encoding::kUtf16Le,
       "[\0D\0]\0=\0\x68\x88\x3D\xD8\x00\xDE"
       "7\0"s,
       "[D]=??7"},
      {Encoding::kUtf16Be,
       "\0[\0D\0]\0=\x88\x68\xD8\x3D\xDE\x00\0"
       "7"s,
       "[D]=??7"},
      {Encoding::kUtf16Be,
       "\0\xE9\0"
       "7"s,
       "?7"},
  };
  for (const auto& [from, input, expected] : cases) {
    SCOPED_TRACE(expected);
    Transcoder whole(from, Encoding::kUtf8, Converter::kMissing);
    EXPECT_FALSE(whole.HasConverter());
    std::string output;
    whole.Convert(input, output);
    whole.Finish(output);
    EXPECT_EQ(output, expected);

    Transcoder byByte(from, Encoding::kUtf8, Converter::kMissing);
    output.clear();
    for (const char c : input) byByte.Convert(std::string(1, c), output);
    byByte.Finish(output);
    EXPECT_EQ(output, expected);
  }
}

}  // namespace
}  // namespace quorlane
