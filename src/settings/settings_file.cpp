#include "settings/settings_file.h"

#ifdef _WIN32
#include <windows.h>

#include <string>
#endif

namespace quorlane {
namespace {

#ifdef _WIN32

constexpr const wchar_t* kSeparatorAndName = L"\\Quorlane.ini";

std::filesystem::path ExecutablePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);  // cut short: try a larger buffer
  }
}

#else

constexpr const char* kSeparatorAndName = "/Quorlane.ini";

std::filesystem::path ExecutablePath() {
  std::error_code error;
  return std::filesystem::read_symlink("/proc/self/exe", error);
}

#endif

}  // namespace

std::filesystem::path SettingsFilePath() {
  // The directory as the platform gives it, keeping its separator at a root ("C:\", "/"), so that
  // the result then holds two separators in a row. Without a directory there is nothing to read:
  // the bare name would be looked up at the root or in the working directory.
  const std::filesystem::path executable = ExecutablePath();
  if (executable.empty()) return {};
  return executable.parent_path().native() + kSeparatorAndName;
}

}  // namespace quorlane
