#pragma once

#include <string>
#include <string_view>

#include "settings/settings_file.h"

namespace quorlane {

// Why a required setting could not be used.
enum class SettingsProblem {
  ProgramPathUnknown,
  FileMissing,
  FileUnreadable,
  KeyMissing,
  NotANumber,
  OutOfRange,
  NoShiftJisConverter,
  Utf8ByteOrderMark
};

// Why the lookup gave no value: it answers alike for a missing file, one it cannot read or name,
// one it cannot read past the start of, and a missing key.
SettingsProblem WhyNoValue(const NativePath& file);

// The warning shown at start-up: what went wrong with which key, then the settings file's full
// path on a line of its own (when there is one), and where that path is a link, the file it leads
// to on a third. The value is quoted only where it is the problem.
std::string SettingsWarning(SettingsProblem problem, std::string_view key, const NativePath& file,
                            std::string_view value);

}  // namespace quorlane
