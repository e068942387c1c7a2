#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "settings/settings_file.h"

namespace quorlane {

namespace {

// What a symbolic link holds; empty for anything else.
std::string ReadLink(const char* link) {
  std::string path(256, '\0');
  for (;;) {
    const ssize_t length = readlink(link, path.data(), path.size());
    if (length < 0) return {};
    if (static_cast<std::size_t>(length) < path.size()) {
      path.resize(static_cast<std::size_t>(length));
      return path;
    }
    path.resize(path.size() * 2);  // cut short: try a larger buffer
  }
}

}  // namespace

NativePath ExecutablePath() {
  return ReadLink("/proc/self/exe");
}

NativePath LinkTarget(const NativePath& file) {
  NativePath target = ReadLink(file.c_str());
  if (!target.empty() && target.front() != '/') target.insert(0, file, 0, file.rfind('/') + 1);
  return target;
}

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

}  // namespace quorlane
