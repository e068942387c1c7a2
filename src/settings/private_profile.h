#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "failures.h"
#include "settings/settings_file.h"

namespace quorlane {

// The bytes GetPrivateProfileStringA would leave in a buffer of bufferSize characters, without the
// terminating NUL. Section, key and default are Shift-JIS bytes; so is the result. Never throws for
// anything at the path: a missing, unreadable or odd file gives the default.
std::string ReadPrivateProfileString(std::string_view section, std::string_view key,
                                     std::string_view defaultValue, std::size_t bufferSize,
                                     const NativePath& file);

}  // namespace quorlane
