#include "settings/transcoder.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>

namespace quorlane {
namespace {

using namespace std::string_literals;

// Without a converter (glibc without its gconv modules, musl) ASCII still comes through, whole or
// byte by byte, and each other character becomes one "?".
TEST(Transcoder, WithoutAConverterAsciiStillReadsAsAscii) {
  const struct {
    Encoding from;
    std::string input, utf8;
  } cases[] = {
      {Encoding::kShiftJis, "[DATA]\nKEY=\x95\x5Cz", "[DATA]\nKEY=?z"},
      {Encoding::kShiftJis, "\x83", "?"},
      {Encoding::kUtf8, "[DATA]\nKEY=\xE3\x82\xBD\xF0\x9F\x98\x80z", "[DATA]\nKEY=??z"},
      {Encoding::kUtf16Le, "[\0D\0]\0=\0\x68\x88\x3D\xD8\x00\xDEz\0"s, "[D]=??z"},
      {Encoding::kUtf16Be, "\0[\0D\0]\0=\x88\x68\xD8\x3D\xDE\x00\0z"s, "[D]=??z"},
      {Encoding::kUtf16Be, "\0\xE9\0z"s, "?z"},
  };
  for (const auto& [from, input, utf8] : cases) {
    for (const std::size_t piece : {input.size(), std::size_t{1}}) {
      SCOPED_TRACE(utf8 + " in pieces of " + std::to_string(piece));
      Transcoder transcoder(from, Encoding::kUtf8, Converter::kMissing);
      std::string output;
      for (std::size_t at = 0; at < input.size(); at += piece) {
        transcoder.Convert(input.substr(at, piece), output);
      }
      transcoder.Finish(output);
      EXPECT_EQ(output, utf8);
    }
  }
}

}  // namespace
}  // namespace quorlane
