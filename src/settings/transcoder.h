#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace quorlane {

enum class Encoding { kShiftJis, kUtf8, kUtf16Le, kUtf16Be };

// Where a Transcoder gets its conversion tables: the system's (iconv), or none at all, as on a
// system without them.
enum class Converter { kSystem, kMissing };

// Converts a stream of text between encodings with the system's iconv, in pieces of any size. Each
// character the target lacks, and each malformed sequence, comes out as "?", so a bad byte never
// stops the conversion. Without a converter ASCII still comes through and everything else is "?".
class Transcoder {
 public:
  Transcoder(Encoding from, Encoding to, Converter converter = Converter::kSystem);
  ~Transcoder();
  Transcoder(const Transcoder&) = delete;
  Transcoder& operator=(const Transcoder&) = delete;

  bool HasConverter() const { return handle_ != nullptr; }

  // Appends the conversion of input to output. A character cut off at the end of input is held
  // back until the next piece completes it.
  void Convert(std::string_view input, std::string& output);
  // Ends the stream: a character still incomplete becomes "?".
  void Finish(std::string& output);

 private:
  struct Handle;

  // Converts what it can, returning how many bytes of input it used; only an incomplete character
  // at the end is left over.
  std::size_t ConvertWhole(std::string_view input, std::string& output);
  // The same without a converter. A character that is not ASCII is held back while it reaches the
  // end of input, since more of it may follow.
  std::size_t ConvertAscii(std::string_view input, std::string& output) const;
  // How many bytes of the unconvertible or malformed text at the start of rest one "?" stands for.
  std::size_t BadSequenceLength(std::string_view rest) const;

  Encoding from_;
  std::unique_ptr<Handle> handle_;
  std::string heldBack_;
};

}  // namespace quorlane
