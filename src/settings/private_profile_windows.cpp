#include <windows.h>

#include <algorithm>
#include <cstring>

#include "settings/ansi_file_name.h"
#include "settings/private_profile.h"
#include "settings/wide_text.h"

// On Windows the system answers the lookup itself.
namespace quorlane {

std::wstring SystemShortPath(const std::wstring& path) {
  std::wstring shortPath(GetShortPathNameW(path.c_str(), nullptr, 0), L'\0');
  shortPath.resize(
      GetShortPathNameW(path.c_str(), shortPath.data(), static_cast<DWORD>(shortPath.size())));
  return shortPath;
}

std::optional<std::string> AnsiFileName(const std::wstring& path, ShortPathOf shortPathOf) {
  if (std::optional<std::string> ansi = ToAnsiCodePage(path)) return ansi;
  const std::wstring shortPath = shortPathOf(path);
  if (shortPath.empty()) return std::nullopt;
  return ToAnsiCodePage(shortPath);
}

bool LookupCanNameFile(const NativePath& file) {
  return AnsiFileName(file).has_value();
}

bool LookupStopsAtUtf8Mark(const NativePath& file) {
  constexpr std::string_view kMark = "\xEF\xBB\xBF";
  const HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  char start[kMark.size()]{};
  DWORD read = 0;
  const bool marked = ReadFile(handle, start, sizeof start, &read, nullptr) &&
                      std::string_view(start, read) == kMark;
  CloseHandle(handle);
  return marked;
}

std::string LookupTextToUtf8(std::string_view bytes) {
  return Narrow(FromCodePage(bytes, CP_ACP));
}

std::string ReadPrivateProfileString(std::string_view section, std::string_view key,
                                     std::string_view defaultValue, std::size_t bufferSize,
                                     const NativePath& file) {
  if (bufferSize == 0) {
    return {};
  }
  // No file name holds a "?", so the system gives the default for a file it cannot name.
  const std::string fileName = AnsiFileName(file).value_or("?");
  std::string buffer(std::min<std::size_t>(bufferSize, MAXDWORD), '\0');
  const DWORD length = GetPrivateProfileStringA(
      std::string(section).c_str(), std::string(key).c_str(), std::string(defaultValue).c_str(),
      buffer.data(), static_cast<DWORD>(buffer.size()), fileName.c_str());
  // Wine counts a double-byte character it leaves out at the cut; the text ends at the NUL.
  buffer.resize(std::min<std::size_t>(length, std::strlen(buffer.c_str())));
  return buffer;
}

}  // namespace quorlane
