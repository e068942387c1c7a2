#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "clock/meeting_clock.h"
#include "settings/private_profile.h"
#include "settings/whole_number.h"

namespace quorlane {
namespace {

TEST(SettingsToCost, ASettingsFileDrivesTheRunningCost) {
  const std::filesystem::path file =
      std::filesystem::temp_directory_path() /
      ("quorlane-" + std::to_string(std::random_device{}()) + ".ini");
  std::ofstream(file, std::ios::binary)
      << "; written by hand\r\n[data]\r\ncost_per_hour = \"1,800\" \r\n"
         "MEMBER_COUNT=\t3\r\n[OTHER]\r\nMEMBER_COUNT=99\r\n";
  const auto readSetting = [&file](const char* key) {
    return ToWholeNumber(ReadPrivateProfileString("DATA", key, "ERROR", 255, file));
  };
  const std::int32_t costPerHour = readSetting("COST_PER_HOUR");
  const std::int32_t memberCount = readSetting("MEMBER_COUNT");
  EXPECT_THROW(readSetting("WINDOW_TOP_POS"), ConversionError);
  std::filesystem::remove(file);

  EXPECT_EQ(costPerHour, 1800);
  EXPECT_EQ(memberCount, 3);
  const double cost = MeetingCost(costPerHour, memberCount, 1207);
  EXPECT_EQ(CostText(cost), "1,811円");
  EXPECT_EQ(MinimisedTitle(cost), "\\1,811");
}

}  // namespace
}  // namespace quorlane
