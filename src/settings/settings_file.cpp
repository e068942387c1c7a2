#include "settings/settings_file.h"

#include <string_view>

#ifdef _WIN32
#include <windows.h>

#include "settings/shift_jis.h"
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace quorlane {
namespace {

#ifdef _WIN32

constexpr std::wstring_view kSeparators = L"\\/";
constexpr std::wstring_view kSeparatorAndName = L"\\Quorlane.ini";

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

#else

constexpr std::string_view kSeparators = "/";
constexpr std::string_view kSeparatorAndName = "/Quorlane.ini";

NativePath ExecutablePath() {
  std::string path(256, '\0');
  for (;;) {
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
    if (length < 0) return {};
    if (static_cast<std::size_t>(length) < path.size()) {
      path.resize(static_cast<std::size_t>(length));
      return path;
    }
    path.resize(path.size() * 2);  // cut short: try a larger buffer
  }
}

#endif

// What precedes the last name, without the separators before it unless they are all a root holds
// ("/", or a drive's "C:\").
NativePath ParentDirectory(const NativePath& path) {
  const std::size_t nameStart = path.find_last_of(kSeparators);
  if (nameStart == NativePath::npos) return {};
  const std::size_t directoryEnd = path.find_last_not_of(kSeparators, nameStart);
  const bool root =
      directoryEnd == NativePath::npos || (directoryEnd == 1 && path[1] == NativeChar{':'});
  return path.substr(0, root ? nameStart + 1 : directoryEnd + 1);
}

}  // namespace

NativePath SettingsFilePath() {
  // The directory as the platform gives it, keeping its separator at a root ("C:\", "/"), so that
  // the result then holds two separators in a row. Without a directory there is nothing to read:
  // the bare name would be looked up at the root or in the working directory.
  const NativePath executable = ExecutablePath();
  if (executable.empty()) return {};
  return ParentDirectory(executable).append(kSeparatorAndName);
}

#ifdef _WIN32

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

std::string PathText(const NativePath& file) {
  return WideToUtf8(file);
}

#else

// Anything but a regular file would block (a FIFO) or never end (a device), so it is not opened.
int OpenRegularFile(const NativePath& file) {
  struct stat info {};
  if (stat(file.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
    return -1;
  }
  // O_NONBLOCK in case the path was swapped for a FIFO since the check; fstat rejects it then.
  const int descriptor = open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (descriptor >= 0 && (fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode))) {
    close(descriptor);
    return -1;
  }
  return descriptor;
}

FileState ProbeFile(const NativePath& file) {
  struct stat info {};
  if (stat(file.c_str(), &info) != 0 && (errno == ENOENT || errno == ENOTDIR)) {
    return FileState::Missing;
  }
  const int descriptor = OpenRegularFile(file);
  if (descriptor < 0) return FileState::Unreadable;
  close(descriptor);
  return FileState::Readable;
}

std::string PathText(const NativePath& file) {
  return file;
}

#endif

}  // namespace quorlane
