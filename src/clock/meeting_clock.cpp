#include "clock/meeting_clock.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

namespace quorlane {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

// Days from 1 January 1970 to a date of the proleptic Gregorian calendar (Howard Hinnant's
// days_from_civil), valid for every year.
constexpr std::int64_t DaysFromCivil(std::int64_t year, std::int64_t month, std::int64_t day) {
  year -= month <= 2 ? 1 : 0;
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const std::int64_t yearOfEra = year - era * 400;
  const std::int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

constexpr std::int64_t kEpochDays = DaysFromCivil(1899, 12, 30);

// The distance between two readings, exact for any two: its size always fits in 64 unsigned bits.
struct Distance {
  std::uint64_t seconds;
  bool negative;
};

Distance SecondsBetween(DateTime start, DateTime reading) {
  // Unsigned subtraction wraps around modulo 2^64, which leaves the true size.
  const auto from = static_cast<std::uint64_t>(start.secondsSinceEpoch);
  const auto to = static_cast<std::uint64_t>(reading.secondsSinceEpoch);
  if (reading.secondsSinceEpoch >= start.secondsSinceEpoch) return {to - from, false};
  return {from - to, true};
}

// The size of a product of three 32-bit numbers (at most 2^93) in two 64-bit halves.
struct Product {
  std::uint64_t high, low;
};

std::uint64_t Magnitude(std::int32_t value) {
  return static_cast<std::uint64_t>(value < 0 ? -std::int64_t{value} : std::int64_t{value});
}

Product MultiplyMagnitudes(std::int32_t a, std::int32_t b, std::int32_t c) {
  const std::uint64_t ab = Magnitude(a) * Magnitude(b);  // at most 2^62
  const std::uint64_t lowPart = (ab & 0xFFFFFFFF) * Magnitude(c);
  const std::uint64_t highPart = (ab >> 32) * Magnitude(c);
  const std::uint64_t low = (highPart << 32) + lowPart;
  return {(highPart >> 32) + std::uint64_t{low < lowPart}, low};
}

// One rounding, to nearest with ties to even: the top 64 bits hold every bit the conversion looks
// at, and any bit set below them is kept as the lowest bit, which lies below the rounding position.
double ToDouble(Product value) {
  const int shift = static_cast<int>(std::bit_width(value.high));
  if (shift == 0) return static_cast<double>(value.low);
  const std::uint64_t dropped = value.low & ((std::uint64_t{1} << shift) - 1);
  const std::uint64_t top =
      (value.high << (64 - shift)) | (value.low >> shift) | std::uint64_t{dropped != 0};
  return std::ldexp(static_cast<double>(top), shift);
}

// Half away from zero. Not std::round: mingw-w64's adds one half first, which turns
// 0.49999999999999994 into 1. The fraction comes off a double exactly.
double RoundHalfAwayFromZero(double value) {
  const double whole = std::trunc(value);
  return std::fabs(value - whole) >= 0.5 ? whole + std::copysign(1.0, value) : whole;
}

void WriteTwoDigits(std::string& text, std::size_t at, std::uint64_t value) {
  text[at] = static_cast<char>('0' + value / 10);
  text[at + 1] = static_cast<char>('0' + value % 10);
}

// Every decimal digit of a whole, non-negative double. Not std::to_chars(double), whose tables
// are most of a statically linked program's size: below 2^63 the value is an integer's; above, it
// is a 53-bit integer times a power of two, doubled exactly in base 10^9.
std::string WholeDigits(double magnitude) {
  if (!std::isfinite(magnitude)) return std::isnan(magnitude) ? "nan" : "inf";
  if (magnitude < 0x1p63) return std::to_string(static_cast<std::int64_t>(magnitude));
  constexpr std::uint64_t kBase = 1'000'000'000;
  int exponent = 0;
  auto mantissa = static_cast<std::uint64_t>(std::ldexp(std::frexp(magnitude, &exponent), 53));
  std::vector<std::uint64_t> limbs;  // least significant first
  for (; mantissa > 0; mantissa /= kBase) limbs.push_back(mantissa % kBase);
  for (int doubling = 53; doubling < exponent; ++doubling) {
    std::uint64_t carry = 0;
    for (std::uint64_t& limb : limbs) {
      limb = limb * 2 + carry;
      carry = limb / kBase;
      limb %= kBase;
    }
    if (carry > 0) limbs.push_back(carry);
  }
  std::string digits = std::to_string(limbs.back());
  for (auto limb = limbs.rbegin() + 1; limb != limbs.rend(); ++limb) {
    const std::string part = std::to_string(*limb);
    digits.append(9 - part.size(), '0').append(part);
  }
  return digits;
}

// "#,##0" with the Japanese locale's "," separator, every exact digit of the rounded double, also
// far beyond the 64-bit integer range.
std::string GroupedWholeNumber(double value) {
  const double rounded = RoundHalfAwayFromZero(value);
  // A small negative cost shows "0", not "-0".
  const bool negative = std::signbit(rounded) && rounded != 0;
  const std::string digits = WholeDigits(std::fabs(rounded));

  std::string text = negative ? "-" : "";
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text += ',';
    text += digits[i];
  }
  return text;
}

}  // namespace

DateTime MakeDateTime(int year, int month, int day, int hour, int minute, int second) {
  const std::int64_t days = DaysFromCivil(year, month, day) - kEpochDays;
  return DateTime{days * kSecondsPerDay + std::int64_t{hour} * 3600 + std::int64_t{minute} * 60 +
                  second};
}

DateTime Now() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  return MakeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                      local.tm_min, local.tm_sec);
}

std::string ElapsedText(DateTime start, DateTime reading) {
  const std::uint64_t secondOfDay =
      SecondsBetween(start, reading).seconds % std::uint64_t{kSecondsPerDay};
  std::string text = "00:00:00";
  WriteTwoDigits(text, 0, secondOfDay / 3600);
  WriteTwoDigits(text, 3, secondOfDay / 60 % 60);
  WriteTwoDigits(text, 6, secondOfDay % 60);
  return text;
}

std::int32_t ElapsedSeconds(DateTime start, DateTime reading) {
  const auto [seconds, negative] = SecondsBetween(start, reading);
  // 2^31 seconds fit backwards, one fewer forwards.
  const std::uint64_t limit = std::uint64_t{1} << 31;
  if (seconds > limit || (seconds == limit && !negative))
    throw OverflowError("elapsed seconds outside the 32-bit range");
  const auto size = static_cast<std::int64_t>(seconds);
  return static_cast<std::int32_t>(negative ? -size : size);
}

double MeetingCost(std::int32_t costPerHour, std::int32_t memberCount,
                   std::int32_t elapsedSeconds) {
  // The product is exact; the one conversion rounds it to the nearest double.
  const double yenSeconds = ToDouble(MultiplyMagnitudes(costPerHour, memberCount, elapsedSeconds));
  const bool negative = ((costPerHour < 0) != (memberCount < 0)) != (elapsedSeconds < 0);
  return (negative && yenSeconds != 0 ? -yenSeconds : yenSeconds) / 3600.0;
}

std::string CostText(double cost) {
  return GroupedWholeNumber(cost) + "円";
}

// The yen sign itself, U+00A5: today's Japanese fonts draw U+005C as a backslash. Appended, not
// "¥" + text: GCC 12 at -O3 warns falsely (-Wrestrict) about the insert at the front that
// operator+ makes.
std::string MinimisedTitle(double cost) {
  return std::string("¥").append(GroupedWholeNumber(cost));
}

}  // namespace quorlane
