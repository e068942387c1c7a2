// Our own reader, for systems without the Windows profile API.
#include "settings/private_profile.h"

#include <unistd.h>

#include <array>
#include <cerrno>
#include <optional>
#include <vector>

#include "settings/profile_scanner.h"
#include "settings/shift_jis.h"
#include "settings/shift_jis_bytes.h"
#include "settings/transcoder.h"

namespace quorlane {

namespace {

struct ByteOrderMark {
  std::string_view bytes;
  Encoding encoding;
};

// Windows knows only the UTF-16LE mark; the other two are read as Wine reads them.
constexpr std::array<ByteOrderMark, 3> kByteOrderMarks = {{
    {"\xFF\xFE", Encoding::kUtf16Le},
    {"\xFE\xFF", Encoding::kUtf16Be},
    {"\xEF\xBB\xBF", Encoding::kUtf8},
}};

// The text as the C API sees it: it ends at the first NUL.
std::string_view UntilNul(std::string_view text) {
  return text.substr(0, text.find('\0'));
}

// The API drops trailing spaces from the default, keeping at least its first character.
std::string_view WithoutTrailingSpaces(std::string_view text) {
  while (text.size() > 1 && text.back() == ' ') {
    text.remove_suffix(1);
  }
  return text;
}

class FileDescriptor {
 public:
  explicit FileDescriptor(int descriptor) : descriptor_(descriptor) {}
  ~FileDescriptor() {
    if (descriptor_ >= 0) {
      close(descriptor_);
    }
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return descriptor_; }

 private:
  int descriptor_;
};

// Fills chunk as far as the file allows; fewer bytes than its size means the file has ended.
std::optional<std::size_t> ReadChunk(int descriptor, std::vector<char>& chunk) {
  std::size_t filled = 0;
  while (filled < chunk.size()) {
    const ssize_t count = read(descriptor, chunk.data() + filled, chunk.size() - filled);
    if (count == 0) {
      break;
    }
    if (count < 0) {
      if (errno == EINTR) {
        continue;
      }
      return std::nullopt;
    }
    filled += static_cast<std::size_t>(count);
  }
  return filled;
}

// Streams the file through the scanner, converting it to Shift-JIS first when it starts with a
// byte order mark. Nothing means the default applies.
std::optional<std::string> FindValue(ProfileScanner& scanner, const NativePath& file) {
  if (!scanner.WantsInput()) {
    return std::nullopt;
  }
  const FileDescriptor descriptor(OpenRegularFile(file));
  if (descriptor.get() < 0) {
    return std::nullopt;
  }
  std::vector<char> chunk(kProfileChunkBytes);
  std::optional<Transcoder> transcoder;
  std::string converted;
  for (bool firstChunk = true;; firstChunk = false) {
    const std::optional<std::size_t> count = ReadChunk(descriptor.get(), chunk);
    if (!count) {
      return std::nullopt;  // an unreadable file is a missing one
    }
    std::string_view bytes(chunk.data(), *count);
    const bool lastChunk = *count < chunk.size();
    if (firstChunk) {
      for (const ByteOrderMark& mark : kByteOrderMarks) {
        if (bytes.starts_with(mark.bytes)) {
          bytes.remove_prefix(mark.bytes.size());
          transcoder.emplace(mark.encoding, Encoding::kShiftJis);
          break;
        }
      }
    }
    if (transcoder) {
      converted.clear();
      transcoder->Convert(bytes, converted);
      if (lastChunk) {
        transcoder->Finish(converted);
      }
      bytes = converted;
    }
    if (!scanner.Feed(bytes)) {
      break;
    }
    if (lastChunk) {
      scanner.Finish();
      break;
    }
  }
  return scanner.Value();
}

}  // namespace

bool LookupCanNameFile(const NativePath&) {
  return true;  // our reader opens any path
}

bool LookupStopsAtUtf8Mark(const NativePath&) {
  return false;
}

std::string LookupTextToUtf8(std::string_view bytes) {
  return ShiftJisToUtf8(bytes);
}

std::string ReadPrivateProfileString(std::string_view section, std::string_view key,
                                     std::string_view defaultValue, std::size_t bufferSize,
                                     const NativePath& file) {
  if (bufferSize == 0) {
    return {};
  }
  const std::size_t valueBytes = bufferSize - 1;  // the buffer ends with a NUL
  ProfileScanner scanner(UntilNul(section), UntilNul(key), valueBytes);
  if (std::optional<std::string> value = FindValue(scanner, file)) {
    return *value;
  }
  return std::string(CutShiftJis(WithoutTrailingSpaces(UntilNul(defaultValue)), valueBytes));
}

}  // namespace quorlane
