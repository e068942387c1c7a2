#include "clock/meeting_clock.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ctime>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace quorlane {
namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kDay = 86400;

TEST(MakeDateTimeAndNow, CountSecondsFromTheOleEpochOnTheProlepticCalendar) {
  // 1900 is no leap year, 2000 is.
  EXPECT_EQ(MakeDateTime(1899, 12, 30, 0, 0, 0).secondsSinceEpoch, 0);
  EXPECT_EQ(MakeDateTime(1899, 12, 29, 23, 59, 59).secondsSinceEpoch, -1);
  EXPECT_EQ(MakeDateTime(1900, 3, 1, 0, 0, 0).secondsSinceEpoch, 61 * kDay);
  EXPECT_EQ(MakeDateTime(2000, 3, 1, 12, 0, 0).secondsSinceEpoch, 36586 * kDay + kDay / 2);
  // Now reads the local clock, within any time zone's offset.
  const std::int64_t offset = Now().secondsSinceEpoch - (25569 * kDay + std::time(nullptr));
  EXPECT_LE(offset, 14 * 3600 + 5);
  EXPECT_GE(offset, -12 * 3600 - 5);
}

TEST(ElapsedTextAndSeconds, DropWholeDaysAndOverflowOutsideTheRange) {
  const struct {
    DateTime start, reading;
    std::string_view text;
    std::optional<std::int32_t> seconds;  // none: overflow
  } intervals[] = {
      {MakeDateTime(2024, 12, 31, 23, 0, 0), MakeDateTime(2025, 1, 2, 0, 0, 5), "01:00:05", 90005},
      // Across the end of January, and of February in a leap year and in another.
      {MakeDateTime(2025, 1, 31, 23, 59, 0), MakeDateTime(2025, 2, 1, 0, 1, 0), "00:02:00", 120},
      {MakeDateTime(2024, 2, 28, 23, 0, 0), MakeDateTime(2024, 3, 1, 1, 0, 0), "02:00:00", 93600},
      {MakeDateTime(2023, 2, 28, 23, 0, 0), MakeDateTime(2023, 3, 1, 1, 0, 0), "02:00:00", 7200},
      {DateTime{1000}, DateTime{1000 + std::int64_t{kMax}}, "03:14:07", kMax},
      {DateTime{1000}, DateTime{1001 + std::int64_t{kMax}}, "03:14:08", std::nullopt},
      {DateTime{-1000}, DateTime{-1000 + std::int64_t{kMin}}, "03:14:08", kMin},
      {DateTime{-1000}, DateTime{-1001 + std::int64_t{kMin}}, "03:14:09", std::nullopt},
      {DateTime{std::numeric_limits<std::int64_t>::max()},
       DateTime{std::numeric_limits<std::int64_t>::min()}, "07:00:15", std::nullopt},
  };
  for (const auto& [start, reading, text, seconds] : intervals) {
    SCOPED_TRACE(reading.secondsSinceEpoch);
    EXPECT_EQ(ElapsedText(start, reading), text);
    if (seconds) {
      EXPECT_EQ(ElapsedSeconds(start, reading), *seconds);
    } else {
      EXPECT_THROW(ElapsedSeconds(start, reading), OverflowError);
    }
  }
}

void ExpectYen(double cost, std::string_view grouped) {
  EXPECT_EQ(CostText(cost), std::string(grouped) + "円");
  EXPECT_EQ(MinimisedTitle(cost), std::string("\xC2\xA5").append(grouped));  // U+00A5
}

// Rounded once, from the exact product: the 1352425513 row is one off from double or long double
// products; the 895130054 row (above 2^64) if bits below the top 64 or a carry are lost.
TEST(MeetingCost, MultipliesWithoutA32BitLimitAndFormatsTheYen) {
  const struct {
    std::int32_t costPerHour, memberCount, elapsedSeconds;
    double cost;
    std::string_view grouped;
  } charges[] = {
      {1800, 1, 1, 0.5, "1"},
      {1800, -1, 1, -0.5, "-1"},
      {1, 1, 3598200, 999.5, "1,000"},
      {1, -1, 1440, -0.4, "0"},
      {1352425513, 1147924255, 826711544, 1.283454832136002e+27 / 3600.0,
       "356,515,231,148,889,406,963,712"},
      {895130054, 967369240, 765770613, 1.8419363039592116e+23, "184,193,630,395,921,160,208,384"},
      {kMin, kMin, kMin, -2.750977865078623e+24, "-2,750,977,865,078,622,830,723,072"},
  };
  for (const auto& [costPerHour, memberCount, elapsedSeconds, cost, grouped] : charges) {
    SCOPED_TRACE(grouped);
    const double computed = MeetingCost(costPerHour, memberCount, elapsedSeconds);
    EXPECT_EQ(computed, cost);
    ExpectYen(computed, grouped);
  }
  ExpectYen(0.49999999999999994, "0");  // adding 0.5 first would round it up
  // Either side of 2^63, where the digits stop coming from a 64-bit integer.
  ExpectYen(0x1p63 - 1024, "9,223,372,036,854,774,784");
  ExpectYen(-0x1p63, "-9,223,372,036,854,775,808");
}

}  // namespace
}  // namespace quorlane
