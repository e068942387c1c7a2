#include <windows.h>

#include <algorithm>
#include <cstring>

#include "settings/private_profile.h"
#include "settings/shift_jis.h"

// On Windows the system answers the lookup itself.
namespace quorlane {

namespace {

std::wstring ShortPath(const std::wstring& path) {
  std::wstring shortPath(GetShortPathNameW(path.c_str(), nullptr, 0), L'\0');
  shortPath.resize(
      GetShortPathNameW(path.c_str(), shortPath.data(), static_cast<DWORD>(shortPath.size())));
  return shortPath;
}

// The "A" function wants the path in the ANSI code page. A path that does not convert exactly (a
// folder named in another script, an emoji) goes by its short (8.3) form; where there is none, the
// lookup finds no file ("?" stands for what is missing, and no file name holds a "?").
std::string AnsiFileName(const NativePath& file) {
  bool exact = false;
  const std::string ansi = WideToAnsi(file, exact);
  if (exact) return ansi;
  const std::wstring shortPath = ShortPath(file);
  if (shortPath.empty()) return ansi;
  std::string shortAnsi = WideToAnsi(shortPath, exact);
  return exact ? shortAnsi : ansi;
}

}  // namespace

std::string ReadPrivateProfileString(std::string_view section, std::string_view key,
                                     std::string_view defaultValue, std::size_t bufferSize,
                                     const NativePath& file) {
  if (bufferSize == 0) {
    return {};
  }
  std::string buffer(std::min<std::size_t>(bufferSize, MAXDWORD), '\0');
  const DWORD length = GetPrivateProfileStringA(
      std::string(section).c_str(), std::string(key).c_str(), std::string(defaultValue).c_str(),
      buffer.data(), static_cast<DWORD>(buffer.size()), AnsiFileName(file).c_str());
  // Wine counts a double-byte character it leaves out at the cut; the text ends at the NUL.
  buffer.resize(std::min<std::size_t>(length, std::strlen(buffer.c_str())));
  return buffer;
}

}  // namespace quorlane
