#pragma once

#include <filesystem>

namespace quorlane {

// "Quorlane.ini" in the directory of the running executable.
std::filesystem::path SettingsFilePath();

}  // namespace quorlane
