#pragma once

#include <iconv.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace quorlane {

enum class Encoding { kShiftJis, kUtf8, kUtf16Le, kUtf16Be };

// Converts a stream of text between encodings with glibc's iconv, in pieces of any size. Each
// character the target lacks, and each malformed sequence, comes out as "?", so a bad byte never
// stops the conversion.
class Transcoder {
 public:
  Transcoder(Encoding from, Encoding to);
  ~Transcoder();
  Transcoder(const Transcoder&) = delete;
  Transcoder& operator=(const Transcoder&) = delete;

  // Appends the conversion of input to output. A character cut off at the end of input is held
  // back until the next piece completes it.
  void Convert(std::string_view input, std::string& output);
  // Ends the stream: a character still incomplete becomes "?".
  void Finish(std::string& output);

 private:
  // Converts what it can, returning how many bytes of input it used; only an incomplete character
  // at the end is left over.
  std::size_t ConvertWhole(std::string_view input, std::string& output);
  // How many bytes of the unconvertible or malformed text at the start of rest one "?" stands for.
  std::size_t BadSequenceLength(std::string_view rest) const;

  Encoding from_;
  iconv_t handle_;
  std::string heldBack_;
};

}  // namespace quorlane
