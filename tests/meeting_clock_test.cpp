#include "clock/meeting_clock.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ctime>
#include <limits>
#include <optional>
#include <string_view>

namespace quorlane {
namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kDay = 86400;

constexpr DateTime At(std::int64_t seconds) {
  return DateTime{seconds};
}

struct CalendarReading {
  int year, month, day, hour, minute, second;
  std::int64_t secondsSinceEpoch;
};

// Day numbers of the OLE date form: 2 is 1 January 1900, 25569 the Unix epoch, 2958465 the last
// day of 9999, -657434 the first day of the year 100.
constexpr CalendarReading kCalendar[] = {
    {1899, 12, 30, 0, 0, 0, 0},           {1899, 12, 29, 23, 59, 59, -1},
    {1900, 1, 1, 0, 0, 0, 2 * kDay},      {1900, 3, 1, 0, 0, 0, 61 * kDay},
    {1970, 1, 1, 0, 0, 0, 25569 * kDay},  {2000, 1, 1, 12, 0, 0, 36526 * kDay + kDay / 2},
    {2024, 3, 1, 0, 0, 0, 45352 * kDay},  {9999, 12, 31, 23, 59, 59, 2958466 * kDay - 1},
    {100, 1, 1, 0, 0, 0, -657434 * kDay}, {0, 3, 1, 0, 0, 0, -693899 * kDay},
    {-1, 3, 1, 0, 0, 0, -694265 * kDay},
};

TEST(MakeDateTime, CountsSecondsFromTheOleEpochOnTheProlepticCalendar) {
  for (const auto& [year, month, day, hour, minute, second, expected] : kCalendar) {
    EXPECT_EQ(MakeDateTime(year, month, day, hour, minute, second).secondsSinceEpoch, expected)
        << year << '-' << month << '-' << day;
  }
}

TEST(Now, ReadsTheLocalClockWithinAnyTimeZoneOffset) {
  const std::int64_t utc = 25569 * kDay + std::time(nullptr);
  const std::int64_t local = Now().secondsSinceEpoch;
  EXPECT_LE(local - utc, 14 * 3600 + 5);
  EXPECT_GE(local - utc, -12 * 3600 - 5);
}

struct Interval {
  DateTime start;
  DateTime reading;
  std::string_view text;
  std::optional<std::int32_t> seconds;  // none: overflow
};

const Interval kIntervals[] = {
    {MakeDateTime(2024, 5, 17, 10, 0, 0), MakeDateTime(2024, 5, 17, 10, 0, 1), "00:00:01", 1},
    {MakeDateTime(2024, 5, 17, 9, 59, 59), MakeDateTime(2024, 5, 18, 10, 0, 4), "00:00:05", 86405},
    {MakeDateTime(2024, 5, 17, 10, 1, 5), MakeDateTime(2024, 5, 17, 10, 0, 0), "00:01:05", -65},
    {DateTime{}, MakeDateTime(2024, 5, 17, 14, 5, 9), "14:05:09", std::nullopt},
    {MakeDateTime(2024, 12, 31, 23, 0, 0), MakeDateTime(2025, 1, 2, 0, 0, 5), "01:00:05", 90005},
    {MakeDateTime(2024, 2, 28, 12, 0, 0), MakeDateTime(2024, 2, 29, 12, 0, 0), "00:00:00", 86400},
    {At(0), At(90061), "01:01:01", 90061},
    {At(1000), At(1000 + std::int64_t{kMax}), "03:14:07", kMax},
    {At(1000), At(1001 + std::int64_t{kMax}), "03:14:08", std::nullopt},
    {At(-1000), At(-1000 + std::int64_t{kMin}), "03:14:08", kMin},
    {At(-1000), At(-1001 + std::int64_t{kMin}), "03:14:09", std::nullopt},
    {At(std::numeric_limits<std::int64_t>::min()), At(std::numeric_limits<std::int64_t>::max()),
     "07:00:15", std::nullopt},
    {At(std::numeric_limits<std::int64_t>::max()), At(std::numeric_limits<std::int64_t>::min()),
     "07:00:15", std::nullopt},
};

TEST(ElapsedTextAndSeconds, DropWholeDaysAndOverflowOutsideTheRange) {
  for (const auto& [start, reading, text, seconds] : kIntervals) {
    SCOPED_TRACE(testing::Message()
                 << start.secondsSinceEpoch << " -> " << reading.secondsSinceEpoch);
    EXPECT_EQ(ElapsedText(start, reading), text);
    if (seconds) {
      EXPECT_EQ(ElapsedSeconds(start, reading), *seconds);
    } else {
      EXPECT_THROW(ElapsedSeconds(start, reading), OverflowError);
    }
  }
}

struct Charge {
  std::int32_t costPerHour, memberCount, elapsedSeconds;
  double cost;
  std::string_view text;
  std::string_view title;
};

// Products beyond 2^53 must be rounded once, from the exact product: the 1352425513 row comes out
// one unit different when the factors are multiplied as doubles or as long doubles.
constexpr Charge kCharges[] = {
    {1800, 1, 1, 0.5, "1円", "\\1"},
    {1000, 10, 3600, 10000, "10,000円", "\\10,000"},
    {0, 20, 3600, 0, "0円", "\\0"},
    {1000, 0, 3600, 0, "0円", "\\0"},
    {10000, 20, 10737, 596500, "596,500円", "\\596,500"},
    {10000, 20, 10738, 2147600000 / 3600.0, "596,556円", "\\596,556"},
    {100000, 30000, 0, 0, "0円", "\\0"},
    {100000, 30000, 1, 3e9 / 3600.0, "833,333円", "\\833,333"},
    {1000, -2, 36, -20, "-20円", "\\-20"},
    {1, -1, 1440, -0.4, "0円", "\\0"},
    {1352425513, 1147924255, 826711544, 1.283454832136002e+27 / 3600.0,
     "356,515,231,148,889,406,963,712円", "\\356,515,231,148,889,406,963,712"},
    {kMin, kMin, kMin, -2.750977865078623e+24, "-2,750,977,865,078,622,830,723,072円",
     "\\-2,750,977,865,078,622,830,723,072"},
    {kMax, kMax, kMax, 2.750977861235551e+24, "2,750,977,861,235,551,055,642,624円",
     "\\2,750,977,861,235,551,055,642,624"},
    {kMin, kMin, kMax, 2.750977863797599e+24, "2,750,977,863,797,598,905,696,256円",
     "\\2,750,977,863,797,598,905,696,256"},
    {kMax, kMax, kMin, -2.750977862516575e+24, "-2,750,977,862,516,574,980,669,440円",
     "\\-2,750,977,862,516,574,980,669,440"},
};

TEST(MeetingCost, MultipliesWithoutA32BitLimitAndFormatsTheYen) {
  for (const auto& [costPerHour, memberCount, elapsedSeconds, cost, text, title] : kCharges) {
    SCOPED_TRACE(testing::Message()
                 << costPerHour << " x " << memberCount << " x " << elapsedSeconds);
    const double computed = MeetingCost(costPerHour, memberCount, elapsedSeconds);
    EXPECT_EQ(computed, cost);
    EXPECT_EQ(CostText(computed), text);
    EXPECT_EQ(MinimisedTitle(computed), title);
  }
}

struct Rounding {
  double cost;
  std::string_view grouped;
};

constexpr Rounding kRoundings[] = {
    {0, "0"},
    {-0.0, "0"},
    {-0.4, "0"},
    {-0.5, "-1"},
    {0.49999999999999994, "0"},
    {2.5, "3"},
    {-2.5, "-3"},
    {999.5, "1,000"},
    {999.4999, "999"},
    {12345.4, "12,345"},
    {-1234567.5, "-1,234,568"},
    {1e22, "10,000,000,000,000,000,000,000"},
    {1e300,
     "1,000,000,000,000,000,052,504,760,255,204,420,248,704,468,581,108,159,154,915,854,115,511,"
     "802,457,988,908,195,786,371,375,080,447,864,043,704,443,832,883,878,176,942,523,235,360,430,"
     "575,644,792,184,786,706,982,848,387,200,926,575,803,737,830,233,794,788,090,059,368,953,234,"
     "970,799,945,081,119,038,967,640,880,074,652,742,780,142,494,579,258,788,820,056,842,838,115,"
     "669,472,196,386,865,459,400,540,160"},
};

TEST(CostTextAndMinimisedTitle, RoundHalfAwayFromZeroAndGroupInThrees) {
  for (const auto& [cost, grouped] : kRoundings) {
    SCOPED_TRACE(testing::Message() << cost);
    EXPECT_EQ(CostText(cost), std::string(grouped) + "円");
    EXPECT_EQ(MinimisedTitle(cost), std::string("\\").append(grouped));
  }
}

TEST(CostText, WritesEveryDigitOfTheLargestDouble) {
  const std::string text = CostText(-std::numeric_limits<double>::max());
  EXPECT_EQ(text.rfind("-179,769,313,486,231,570,814,527,", 0), 0u) << text;
  EXPECT_EQ(text.size(), 1 + 309 + 102 + std::string_view("円").size());
}

}  // namespace
}  // namespace quorlane
