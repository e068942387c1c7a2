#pragma once

// Where each rule of the Windows lookup is carried out, by its number in ini-rules.md (the same
// numbers as in tests/profile_diff.py):
//   1 line ends, empty lines     StartLine, Feed (kLineEnds)
//   2 blanks                     IsIniBlank, TrimIniBlanks, TrimmedRun
//   3, 4 headers and their "]"   StartLine, TakeSectionName
//   5, 8 names, ASCII case only  SameName, FoldAsciiCase
//   6, 7 first section only      StartLine (inSection_)
//   8-10 key, first "=", first   TakeKeyName
//   11, 13 empty value, quotes   EndValue
//   12 comments                  StartLine, the constructor (a name starting with ";")
//   14, 16a no file, not regular ReadPrivateProfileString, OpenRegularFile (the default)
//   15 the cut                   EndValue, CutShiftJis; the default's in ReadPrivateProfileString
//   16 long lines, NUL           Feed (FindFirstOf), TrimmedRun::Append, TakeKeyName
//   17 Shift-JIS bytes as is     ShiftJisCharWidth, TakeSectionName (trailByteDue_)
//   18, 19 byte order marks      FindValue (kByteOrderMarks), Transcoder
// Rules 20-26 (text to a number) are ToWholeNumber's.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quorlane {

// The private-profile lookup as a line-by-line state machine over Shift-JIS text that arrives in
// pieces. It keeps only the current name and the first bytes of a value, and stops as soon as the
// answer is known: when the key turns up or the first section of the name ends.
class ProfileScanner {
 public:
  // valueBytes is the most the caller takes (the buffer size less its NUL).
  ProfileScanner(std::string_view section, std::string_view key, std::size_t valueBytes);

  // Takes the next piece of the file; false once the rest of the file cannot change the answer.
  bool Feed(std::string_view bytes);
  // The file has ended.
  void Finish();
  bool WantsInput() const { return state_ != State::kDone; }

  // The value as the caller's buffer holds it, or nothing when the default applies.
  const std::optional<std::string>& Value() const { return value_; }

 private:
  enum class State { kLineStart, kSkipLine, kSectionName, kKeyName, kValue, kDone };

  // A run of text with the blanks at both ends removed, of which only the first bytes are kept, so
  // that a line of any length costs a bounded amount of memory. Closing it ends the text early.
  class TrimmedRun {
   public:
    void Reset(std::size_t keep);
    void Push(char c);
    // Push for each byte of run; past the kept bytes, in one step.
    void Append(std::string_view run);
    void Close() { closed_ = true; }
    bool Closed() const { return closed_; }

    // Length of the whole trimmed text, and its last byte.
    std::size_t size() const { return trimmedLength_; }
    char back() const { return last_; }
    // The start of the trimmed text; all of it unless Overflowed().
    std::string_view Kept() const { return std::string_view(kept_).substr(0, trimmedLength_); }
    bool Overflowed() const { return trimmedLength_ > kept_.size(); }

   private:
    std::string kept_;
    std::size_t keep_ = 0;
    std::size_t length_ = 0;
    std::size_t trimmedLength_ = 0;
    char last_ = '\0';
    bool closed_ = false;
  };

  void Take(char c);
  void StartLine(char c);
  void TakeSectionName(char c);
  void TakeKeyName(char c);
  void EndValue();

  std::string section_;
  std::string key_;
  std::size_t valueBytes_;
  State state_ = State::kLineStart;
  bool inSection_ = false;
  bool trailByteDue_ = false;  // the section name's last byte was a lead byte
  TrimmedRun name_;
  TrimmedRun text_;
  std::optional<std::string> value_;
};

}  // namespace quorlane
