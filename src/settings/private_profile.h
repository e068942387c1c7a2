#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "failures.h"
#include "settings/settings_file.h"

namespace quorlane {

// Our own reader (not Windows') takes the file in pieces of this size.
inline constexpr std::size_t kProfileChunkBytes = 64 * 1024;

// The bytes GetPrivateProfileStringA would leave in a buffer of bufferSize characters, without the
// terminating NUL. Section, key and default are Shift-JIS bytes; so is the result. Never throws for
// anything at the path: a missing, unreadable or odd file gives the default.
std::string ReadPrivateProfileString(std::string_view section, std::string_view key,
                                     std::string_view defaultValue, std::size_t bufferSize,
                                     const NativePath& file);

// Whether the lookup can reach the file under a name of it. Only Windows' lookup can fail here: it
// takes the path in the ANSI code page, or else the short (8.3) path, which a volume may not keep.
bool LookupCanNameFile(const NativePath& file);

// Whether the lookup stops at a UTF-8 byte-order mark that begins the file: Windows' reads the mark
// as part of the first line, and so finds no section there; ours reads past it.
bool LookupStopsAtUtf8Mark(const NativePath& file);

// The lookup's bytes as UTF-8: Windows' lookup gives them in the system's ANSI code page, ours in
// Shift-JIS.
std::string LookupTextToUtf8(std::string_view bytes);

}  // namespace quorlane
