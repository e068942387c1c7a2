#include <windows.h>

#include "settings/settings_file.h"
#include "settings/wide_text.h"

namespace quorlane {

NativePath ExecutablePath() {
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

FileState ProbeFile(const NativePath& file) {
  const DWORD attributes = GetFileAttributesW(file.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? FileState::Missing
                                                                          : FileState::Unreadable;
  }
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return FileState::Unreadable;
  const HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return FileState::Unreadable;
  const bool disk = GetFileType(handle) == FILE_TYPE_DISK;
  CloseHandle(handle);
  return disk ? FileState::Readable : FileState::Unreadable;
}

// Windows installs the file itself beside the program, and a link there needs an administrator.
NativePath LinkTarget(const NativePath&) {
  return {};
}

std::string PathText(const NativePath& file) {
  return Narrow(file);
}

}  // namespace quorlane
