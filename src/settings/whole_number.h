#pragma once

#include <cstdint>
#include <string_view>

#include "failures.h"

namespace quorlane {

// Reads UTF-8 text as the Japanese locale does: blanks around, one leading sign, "," grouping after
// the first digit, one "." with the fraction rounded half to even on the exact digits. Full-width
// digits, signs, comma and full stop count as their ASCII forms, the ideographic space as a blank.
// ConversionError when it is not a number, OverflowError outside the signed 32-bit range.
std::int32_t ToWholeNumber(std::string_view text);

}  // namespace quorlane
