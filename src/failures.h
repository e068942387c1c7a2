#pragma once

#include <stdexcept>

namespace quorlane {

// Text that is not a number.
class ConversionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A value outside the signed 32-bit range.
class OverflowError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace quorlane
