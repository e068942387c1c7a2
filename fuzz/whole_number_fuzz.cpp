// Any bytes: ToWholeNumber must give a value or one of its two failures, nothing else, and the
// answer must not depend on blanks around the text.
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "settings/whole_number.h"

namespace {

// The value, or a number outside the 32-bit range standing for the failure.
constexpr std::int64_t kNotANumber = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kOverflow = std::numeric_limits<std::int64_t>::max();

std::int64_t Outcome(std::string_view text) {
  try {
    return quorlane::ToWholeNumber(text);
  } catch (const quorlane::ConversionError&) {
    return kNotANumber;
  } catch (const quorlane::OverflowError&) {
    return kOverflow;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::int64_t outcome = Outcome(text);
  if (Outcome(" \t\r\n" + std::string(text) + "\v\f ") != outcome) __builtin_trap();
  if (outcome != kNotANumber && outcome != kOverflow &&
      Outcome(std::to_string(outcome)) != outcome) {
    __builtin_trap();
  }
  return 0;
}
