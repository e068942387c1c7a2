#include "settings/transcoder.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <optional>

#include "settings/shift_jis_bytes.h"

namespace quorlane {
namespace {

// glibc's CP932 is Microsoft's table: 5C is "\" and 7E is "~", as on Windows.
constexpr std::array<const char*, 4> kIconvNames = {"CP932", "UTF-8", "UTF-16LE", "UTF-16BE"};

const iconv_t kNoHandle = reinterpret_cast<iconv_t>(static_cast<std::intptr_t>(-1));

const char* IconvName(Encoding encoding) {
  return kIconvNames[static_cast<std::size_t>(encoding)];
}

// Returns 0 when all of the input was converted, otherwise iconv's errno.
int ConvertStep(iconv_t handle, char** in, std::size_t* inLeft, char** out, std::size_t* outLeft) {
  return iconv(handle, in, inLeft, out, outLeft) == static_cast<std::size_t>(-1) ? errno : 0;
}

// The ASCII character at the start of rest, if that is one.
std::optional<char> AsciiAtStart(std::string_view rest, Encoding encoding) {
  const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(rest[at]); };
  switch (encoding) {
    case Encoding::kShiftJis:
    case Encoding::kUtf8:
      if (byte(0) < 0x80) return rest[0];
      break;
    case Encoding::kUtf16Le:
      if (byte(0) < 0x80 && byte(1) == 0) return rest[0];
      break;
    case Encoding::kUtf16Be:
      if (byte(0) == 0 && byte(1) < 0x80) return rest[1];
      break;
  }
  return std::nullopt;
}

std::size_t UnitBytes(Encoding encoding) {
  return encoding == Encoding::kUtf16Le || encoding == Encoding::kUtf16Be ? 2 : 1;
}

// The maximal start of a UTF-8 sequence that could still have been valid, at least one byte, so
// that "E3 81 41" becomes "?A" rather than "??A".
std::size_t Utf8BadSequenceLength(std::string_view rest) {
  const auto lead = static_cast<unsigned char>(rest[0]);
  std::size_t continuations = 0;
  unsigned char low = 0x80;  // allowed range of the byte after the lead
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    continuations = 1;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    continuations = 2;
    low = lead == 0xE0 ? 0xA0 : low;    // no overlong forms
    high = lead == 0xED ? 0x9F : high;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    continuations = 3;
    low = lead == 0xF0 ? 0x90 : low;
    high = lead == 0xF4 ? 0x8F : high;  // nothing above U+10FFFF
  }
  std::size_t length = 1;
  while (length <= continuations && length < rest.size()) {
    const auto byte = static_cast<unsigned char>(rest[length]);
    if (byte < low || byte > high) {
      break;
    }
    ++length;
    low = 0x80;
    high = 0xBF;
  }
  return length;
}

// One unit, or a whole surrogate pair (a character outside code page 932), or what there is of
// one.
std::size_t Utf16BadSequenceLength(std::string_view rest, bool littleEndian) {
  if (rest.size() < 2) {
    return rest.size();
  }
  const auto unit = [&](std::size_t at) {
    const auto first = static_cast<unsigned char>(rest[at]);
    const auto second = static_cast<unsigned char>(rest[at + 1]);
    return littleEndian ? (second << 8 | first) : (first << 8 | second);
  };
  const auto isHighSurrogate = [](int value) { return value >= 0xD800 && value <= 0xDBFF; };
  const auto isLowSurrogate = [](int value) { return value >= 0xDC00 && value <= 0xDFFF; };
  if (!isHighSurrogate(unit(0))) {
    return 2;
  }
  if (rest.size() < 4) {
    return rest.size();  // a pair cut off at the end
  }
  return isLowSurrogate(unit(2)) ? 4 : 2;
}

}  // namespace

struct Transcoder::Handle {
  explicit Handle(iconv_t opened) : iconv(opened) {}
  ~Handle() { iconv_close(iconv); }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  iconv_t iconv;
};

Transcoder::Transcoder(Encoding from, Encoding to, Converter converter) : from_(from) {
  if (converter == Converter::kMissing) return;
  const iconv_t opened = iconv_open(IconvName(to), IconvName(from));
  if (opened != kNoHandle) handle_ = std::make_unique<Handle>(opened);
}

Transcoder::~Transcoder() = default;

void Transcoder::Convert(std::string_view input, std::string& output) {
  // A held-back character needs at most three more bytes; feed them one at a time.
  while (!heldBack_.empty() && !input.empty()) {
    heldBack_.push_back(input.front());
    input.remove_prefix(1);
    heldBack_.erase(0, ConvertWhole(heldBack_, output));
  }
  if (!input.empty()) {
    heldBack_.assign(input.substr(ConvertWhole(input, output)));
  }
}

void Transcoder::Finish(std::string& output) {
  while (!heldBack_.empty()) {
    output.push_back('?');
    heldBack_.erase(0, BadSequenceLength(heldBack_));
  }
}

std::size_t Transcoder::ConvertWhole(std::string_view input, std::string& output) {
  if (!handle_) return ConvertAscii(input, output);
  // iconv takes char** for its input but only reads through it.
  char* in = const_cast<char*>(input.data());
  std::size_t inLeft = input.size();
  std::array<char, 4096> buffer{};
  while (inLeft > 0) {
    char* out = buffer.data();
    std::size_t outLeft = buffer.size();
    const int error = ConvertStep(handle_->iconv, &in, &inLeft, &out, &outLeft);
    output.append(buffer.data(), out);
    if (error == 0 || error == EINVAL) {
      break;  // done, or an incomplete character at the end
    }
    if (error != E2BIG) {
      const std::size_t skipped = BadSequenceLength({in, inLeft});
      output.push_back('?');
      in += skipped;
      inLeft -= skipped;
    }
  }
  return input.size() - inLeft;
}

std::size_t Transcoder::ConvertAscii(std::string_view input, std::string& output) const {
  std::size_t at = 0;
  while (input.size() - at >= UnitBytes(from_)) {
    const std::string_view rest = input.substr(at);
    if (const std::optional<char> ascii = AsciiAtStart(rest, from_)) {
      output.push_back(*ascii);
      at += UnitBytes(from_);
      continue;
    }
    const std::size_t length = BadSequenceLength(rest);
    if (length == rest.size()) break;
    output.push_back('?');
    at += length;
  }
  return at;
}

std::size_t Transcoder::BadSequenceLength(std::string_view rest) const {
  switch (from_) {
    case Encoding::kShiftJis:
      return ShiftJisCharWidth(rest, 0);
    case Encoding::kUtf8:
      return Utf8BadSequenceLength(rest);
    case Encoding::kUtf16Le:
      return Utf16BadSequenceLength(rest, true);
    case Encoding::kUtf16Be:
      return Utf16BadSequenceLength(rest, false);
  }
  return 1;
}

}  // namespace quorlane
