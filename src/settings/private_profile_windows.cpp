#include <windows.h>

#include <algorithm>

#include "settings/private_profile.h"

// On Windows the system answers the lookup itself.
namespace quorlane {

namespace {

// The "A" function wants the file name in the ANSI code page.
std::string AnsiFileName(const std::filesystem::path& file) {
  const std::wstring& wide = file.native();
  const int wideLength = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
  std::string ansi(static_cast<std::size_t>(std::max(length, 0)), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, ansi.data(), length, nullptr, nullptr);
  return ansi;
}

}  // namespace

std::string ReadPrivateProfileString(std::string_view section, std::string_view key,
                                     std::string_view defaultValue, std::size_t bufferSize,
                                     const std::filesystem::path& file) {
  if (bufferSize == 0) {
    return {};
  }
  std::string buffer(std::min<std::size_t>(bufferSize, MAXDWORD), '\0');
  const DWORD length = GetPrivateProfileStringA(
      std::string(section).c_str(), std::string(key).c_str(), std::string(defaultValue).c_str(),
      buffer.data(), static_cast<DWORD>(buffer.size()), AnsiFileName(file).c_str());
  buffer.resize(length);
  return buffer;
}

}  // namespace quorlane
