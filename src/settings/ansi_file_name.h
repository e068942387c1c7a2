#pragma once

#include <optional>
#include <string>

// Windows only.
namespace quorlane {

// A path's short (8.3) form; empty where the volume keeps none.
using ShortPathOf = std::wstring (*)(const std::wstring& path);
std::wstring SystemShortPath(const std::wstring& path);

// The name under which the "A" functions reach the file: its path in the ANSI code page or, where
// a character has no counterpart there (a folder named in another script, an emoji), its short
// form; nothing when neither is exact.
std::optional<std::string> AnsiFileName(const std::wstring& path,
                                        ShortPathOf shortPathOf = SystemShortPath);

}  // namespace quorlane
