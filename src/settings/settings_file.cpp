#include "settings/settings_file.h"

namespace quorlane {
namespace {

// What precedes the last name, without the separators before it unless they are all a root holds
// ("/", or a drive's "C:\").
NativePath ParentDirectory(const NativePath& path) {
  const std::size_t nameStart = path.find_last_of(kPathSeparators);
  if (nameStart == NativePath::npos) return {};
  const std::size_t directoryEnd = path.find_last_not_of(kPathSeparators, nameStart);
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
  constexpr std::string_view kName = "Quorlane.ini";  // ASCII: the same in either width
  NativePath path = ParentDirectory(executable);
  path.push_back(kPathSeparators.front());
  return path.append(kName.begin(), kName.end());
}

}  // namespace quorlane
