#include "clock/meeting_clock.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <ctime>
#include <limits>
#include <string>
#include <string_view>

namespace quorlane {
namespace {

// Wide enough for the difference of any two readings and for any product of three 32-bit numbers
// (at most 2^93), so neither can overflow.
__extension__ typedef __int128 Int128;

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

Int128 SecondsBetween(DateTime start, DateTime reading) {
  return Int128{reading.secondsSinceEpoch} - start.secondsSinceEpoch;
}

void WriteTwoDigits(std::string& text, std::size_t at, Int128 value) {
  text[at] = static_cast<char>('0' + value / 10);
  text[at + 1] = static_cast<char>('0' + value % 10);
}

// "#,##0" with the Japanese locale's "," separator. to_chars writes every exact digit of the
// rounded double, also far beyond the 64-bit integer range.
std::string GroupedWholeNumber(double value) {
  double rounded = std::round(value);
  if (rounded == 0) rounded = 0;  // A small negative cost shows "0", not "-0".

  constexpr int kMaxFixedChars = std::numeric_limits<double>::max_exponent10 + 2;
  std::array<char, kMaxFixedChars> buffer{};
  const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), rounded,
                                     std::chars_format::fixed, 0);
  std::string_view digits(buffer.data(), static_cast<std::size_t>(written.ptr - buffer.data()));

  std::string text;
  if (digits.front() == '-') {
    text += '-';
    digits.remove_prefix(1);
  }
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
  const Int128 seconds = SecondsBetween(start, reading);
  const Int128 secondOfDay = (seconds < 0 ? -seconds : seconds) % kSecondsPerDay;
  std::string text = "00:00:00";
  WriteTwoDigits(text, 0, secondOfDay / 3600);
  WriteTwoDigits(text, 3, secondOfDay / 60 % 60);
  WriteTwoDigits(text, 6, secondOfDay % 60);
  return text;
}

std::int32_t ElapsedSeconds(DateTime start, DateTime reading) {
  const Int128 seconds = SecondsBetween(start, reading);
  if (seconds < std::numeric_limits<std::int32_t>::min() ||
      seconds > std::numeric_limits<std::int32_t>::max()) {
    throw OverflowError("elapsed seconds outside the 32-bit range");
  }
  return static_cast<std::int32_t>(seconds);
}

double MeetingCost(std::int32_t costPerHour, std::int32_t memberCount,
                   std::int32_t elapsedSeconds) {
  // The product is exact; the one conversion rounds it to the nearest double.
  const Int128 yenSeconds = Int128{costPerHour} * memberCount * elapsedSeconds;
  return static_cast<double>(yenSeconds) / 3600.0;
}

std::string CostText(double cost) {
  return GroupedWholeNumber(cost) + "円";
}

// Appended, not "\\" + text: GCC 12 at -O3 warns falsely (-Wrestrict) about the insert at the
// front that operator+ makes.
std::string MinimisedTitle(double cost) {
  return std::string("\\").append(GroupedWholeNumber(cost));
}

}  // namespace quorlane
