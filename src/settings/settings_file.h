#pragma once

#include <filesystem>

namespace quorlane {

// "Quorlane.ini" in the directory of the running executable; empty when the platform does not say
// where that is.
std::filesystem::path SettingsFilePath();

}  // namespace quorlane
