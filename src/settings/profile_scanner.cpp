#include "settings/profile_scanner.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "settings/shift_jis_bytes.h"

namespace quorlane {
namespace {

// Windows' blanks; form feed and Ctrl-Z are ordinary characters.
bool IsIniBlank(char c) {
  return c == ' ' || c == '\t' || c == '\v';
}

bool IsLineEnd(char c) {
  return c == '\r' || c == '\n';
}

bool IsQuote(char c) {
  return c == '"' || c == '\'';
}

std::string_view TrimIniBlanks(std::string_view text) {
  while (!text.empty() && IsIniBlank(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && IsIniBlank(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

char FoldAsciiCase(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Names match ignoring the case of ASCII letters only. Double-byte characters match exactly: their
// second byte may look like a letter (ア is 83 41, ャ is 83 61).
bool SameName(std::string_view name, std::string_view wanted) {
  if (name.size() != wanted.size()) {
    return false;
  }
  for (std::size_t at = 0; at < name.size();) {
    const std::size_t width = ShiftJisCharWidth(name, at);
    const bool same = width == 2 ? name.substr(at, 2) == wanted.substr(at, 2)
                                 : FoldAsciiCase(name[at]) == FoldAsciiCase(wanted[at]);
    if (!same) {
      return false;
    }
    at += width;
  }
  return true;
}

constexpr std::string_view kLineEnds = "\r\n";
constexpr std::string_view kNameEnds = "=\r\n";
constexpr std::string_view kValueEnds{"\0\r\n", 3};

// The position of the first of the wanted bytes at or after from, or the end of bytes. One memchr
// for each, over a shrinking stretch, keeps a very long line cheap even in a debug build.
std::size_t FindFirstOf(std::string_view bytes, std::size_t from, std::string_view wanted) {
  std::size_t end = bytes.size();
  for (const char c : wanted) {
    const auto* found = static_cast<const char*>(std::memchr(bytes.data() + from, c, end - from));
    if (found != nullptr) end = static_cast<std::size_t>(found - bytes.data());
  }
  return end;
}

}  // namespace

void ProfileScanner::TrimmedRun::Reset(std::size_t keep) {
  kept_.clear();
  keep_ = keep;
  length_ = 0;
  trimmedLength_ = 0;
  last_ = '\0';
  closed_ = false;
}

void ProfileScanner::TrimmedRun::Push(char c) {
  if (closed_ || (length_ == 0 && IsIniBlank(c))) {
    return;
  }
  ++length_;
  if (!IsIniBlank(c)) {
    trimmedLength_ = length_;
    last_ = c;
  }
  if (kept_.size() < keep_) {
    kept_.push_back(c);
  }
}

void ProfileScanner::TrimmedRun::Append(std::string_view run) {
  while (!closed_ && !run.empty() && (length_ == 0 || kept_.size() < keep_)) {
    Push(run.front());
    run.remove_prefix(1);
  }
  if (closed_ || run.empty()) {
    return;
  }
  // Nothing more is kept: only the length and the last byte that is not a blank still count.
  std::size_t end = run.size();
  while (end > 0 && IsIniBlank(run[end - 1])) {
    --end;
  }
  if (end > 0) {
    trimmedLength_ = length_ + end;
    last_ = run[end - 1];
  }
  length_ += run.size();
}

ProfileScanner::ProfileScanner(std::string_view section, std::string_view key,
                               std::size_t valueBytes)
    : section_(TrimIniBlanks(section)), key_(TrimIniBlanks(key)), valueBytes_(valueBytes) {
  // No line can define an empty name or one that starts a comment.
  if (key_.empty() || key_.front() == ';') {
    state_ = State::kDone;
  }
}

bool ProfileScanner::Feed(std::string_view bytes) {
  std::size_t at = 0;
  while (at < bytes.size() && state_ != State::kDone) {
    // Long stretches that cannot change the answer are passed over in bulk.
    if (state_ == State::kSkipLine) {
      at = FindFirstOf(bytes, at, kLineEnds);
      if (at < bytes.size()) {
        state_ = State::kLineStart;
      }
      continue;
    }
    if (state_ == State::kKeyName && name_.Closed()) {
      at = FindFirstOf(bytes, at, kNameEnds);
    } else if (state_ == State::kValue) {
      const std::size_t end = FindFirstOf(bytes, at, kValueEnds);
      text_.Append(bytes.substr(at, end - at));
      at = end;
    }
    if (at < bytes.size()) {
      Take(bytes[at++]);
    }
  }
  return WantsInput();
}

void ProfileScanner::Finish() {
  if (state_ == State::kValue) {
    EndValue();
  }
  state_ = State::kDone;
}

void ProfileScanner::Take(char c) {
  switch (state_) {
    case State::kLineStart:
      StartLine(c);
      break;
    case State::kSectionName:
      TakeSectionName(c);
      break;
    case State::kKeyName:
      TakeKeyName(c);
      break;
    case State::kValue:
      EndValue();  // Feed passes a value's text in runs, and only the byte that ends it here
      break;
    case State::kSkipLine:
    case State::kDone:
      break;
  }
}

void ProfileScanner::StartLine(char c) {
  if (IsIniBlank(c) || IsLineEnd(c)) {
    return;
  }
  if (c == '[') {
    // Only the first section of the name is searched, so the next header ends the search.
    if (inSection_) {
      state_ = State::kDone;
      return;
    }
    name_.Reset(section_.size());
    trailByteDue_ = false;
    state_ = State::kSectionName;
    return;
  }
  if (!inSection_ || c == ';') {
    state_ = State::kSkipLine;
    return;
  }
  name_.Reset(key_.size());
  state_ = State::kKeyName;
  TakeKeyName(c);
}

void ProfileScanner::TakeSectionName(char c) {
  // The name ends at the first "]" of its own, not one that is the second byte of a character
  // ([ゾ] is 5B 83 5D 5D), or at a NUL, or with the line.
  const bool trailByte = trailByteDue_ && IsShiftJisTrailByte(c);
  trailByteDue_ = !trailByte && IsShiftJisLeadByte(c);
  if (trailByte || (c != ']' && c != '\0' && !IsLineEnd(c))) {
    name_.Push(c);
    if (name_.Overflowed()) {
      state_ = State::kSkipLine;  // longer than the wanted name
    }
    return;
  }
  inSection_ = SameName(name_.Kept(), section_);
  state_ = IsLineEnd(c) ? State::kLineStart : State::kSkipLine;
}

void ProfileScanner::TakeKeyName(char c) {
  if (c != '=' && !IsLineEnd(c)) {
    if (c == '\0') {
      name_.Close();  // the rest up to "=" is not part of the name
    } else {
      name_.Push(c);
    }
    if (name_.Overflowed()) {
      state_ = State::kSkipLine;
    }
    return;
  }
  if (!SameName(name_.Kept(), key_)) {
    state_ = IsLineEnd(c) ? State::kLineStart : State::kSkipLine;
    return;
  }
  if (IsLineEnd(c)) {
    state_ = State::kDone;  // a key without "=" has no value, and hides any later one
    return;
  }
  // The quote pair and one byte past the cut, to see whether a character straddles it.
  text_.Reset(std::min(valueBytes_, SIZE_MAX - 2) + 2);
  state_ = State::kValue;
}

void ProfileScanner::EndValue() {
  std::string_view value = text_.Kept();
  // One pair of like quotes around the value goes; the blanks inside it stay.
  if (text_.size() >= 2 && IsQuote(value.front()) && text_.back() == value.front()) {
    value.remove_prefix(1);
    if (!text_.Overflowed()) {
      value.remove_suffix(1);
    }
  }
  value_ = std::string(CutShiftJis(value, valueBytes_));
  state_ = State::kDone;
}

}  // namespace quorlane
