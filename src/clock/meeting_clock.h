#pragma once

#include <cstdint>
#include <string>

#include "failures.h"

namespace quorlane {

// A local wall-clock reading to the second. Held as whole seconds since midnight at the start of
// 30 December 1899 (the OLE date epoch), so two readings subtract exactly, as calendar date-times,
// with no time-zone or daylight-saving adjustment between them. The default is that midnight.
struct DateTime {
  std::int64_t secondsSinceEpoch = 0;

  friend constexpr bool operator==(DateTime, DateTime) = default;
};

DateTime MakeDateTime(int year, int month, int day, int hour, int minute, int second);

// The local clock, whole seconds.
DateTime Now();

// "hh:mm:ss" of the distance between the readings, whole days dropped, sign ignored.
std::string ElapsedText(DateTime start, DateTime reading);

// Seconds from start to reading; OverflowError outside the signed 32-bit range.
std::int32_t ElapsedSeconds(DateTime start, DateTime reading);

// Hourly cost x attendees x seconds / 3600, without any 32-bit limit. Never fails.
double MeetingCost(std::int32_t costPerHour, std::int32_t memberCount, std::int32_t elapsedSeconds);

// "12,345円": rounded half away from zero, grouped in threes.
std::string CostText(double cost);

// "¥12,345" (U+00A5): the title while the window is minimised.
std::string MinimisedTitle(double cost);

}  // namespace quorlane
