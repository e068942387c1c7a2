// Any file and key: the reader must return within the buffer, and what it returns must be the
// default or a piece of the file, never bytes from anywhere else.
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "settings/private_profile.h"

namespace {

namespace fs = std::filesystem;

// One file per fuzzing process, removed when the process ends normally.
struct ScratchFile {
  fs::path path =
      fs::temp_directory_path() / ("quorlane-fuzz-" + std::to_string(::getpid()) + ".ini");
  ~ScratchFile() { fs::remove(path); }
};

bool StartsWithByteOrderMark(std::string_view contents) {
  return contents.starts_with("\xFF\xFE") || contents.starts_with("\xFE\xFF") ||
         contents.starts_with("\xEF\xBB\xBF");
}

}  // namespace

// Input: one byte for the buffer size, one for the key's length, the key, then the file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::size_t bufferSize = std::size_t{data[0]} + 1;
  const std::string_view rest(reinterpret_cast<const char*>(data + 2), size - 2);
  const std::string_view key = rest.substr(0, std::min<std::size_t>(data[1], rest.size()));
  const std::string_view contents = rest.substr(key.size());

  static const ScratchFile file;
  std::ofstream(file.path, std::ios::binary | std::ios::trunc)
      .write(contents.data(), static_cast<std::streamsize>(contents.size()));

  const std::string value =
      quorlane::ReadPrivateProfileString("DATA", key, "ERROR", bufferSize, file.path);
  if (value.size() >= bufferSize) __builtin_trap();
  // Files with a byte order mark are converted, so their values need not appear as written.
  const bool fromDefault = std::string_view("ERROR").starts_with(value);
  if (!fromDefault && !StartsWithByteOrderMark(contents) &&
      contents.find(value) == std::string_view::npos) {
    __builtin_trap();
  }
  return 0;
}
