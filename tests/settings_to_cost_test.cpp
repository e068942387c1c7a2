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

namespace fs = std::filesystem;

class TempDirectory {
 public:
  TempDirectory()
      : path_(fs::temp_directory_path() / ("quorlane-" + std::to_string(std::random_device{}()))) {
    fs::create_directories(path_);
  }
  ~TempDirectory() { fs::remove_all(path_); }
  TempDirectory(const TempDirectory&) = delete;
  TempDirectory& operator=(const TempDirectory&) = delete;

  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

std::int32_t ReadSetting(const char* key, const fs::path& file) {
  return ToWholeNumber(ReadPrivateProfileString("DATA", key, "ERROR", 255, file));
}

TEST(SettingsToCost, ASettingsFileDrivesTheRunningCost) {
  const TempDirectory directory;
  const fs::path file = directory.path() / "Quorlane.ini";
  std::ofstream(file, std::ios::binary)
      << "; written by hand\r\n[data]\r\ncost_per_hour = \"1,800\" \r\n"
         "MEMBER_COUNT=\t3\r\n[OTHER]\r\nMEMBER_COUNT=99\r\n";

  const std::int32_t costPerHour = ReadSetting("COST_PER_HOUR", file);
  const std::int32_t memberCount = ReadSetting("MEMBER_COUNT", file);
  ASSERT_EQ(costPerHour, 1800);
  ASSERT_EQ(memberCount, 3);
  EXPECT_THROW(ReadSetting("WINDOW_TOP_POS", file), ConversionError);

  const double cost = MeetingCost(costPerHour, memberCount, 1207);
  EXPECT_EQ(CostText(cost), "1,811円");
  EXPECT_EQ(MinimisedTitle(cost), "\\1,811");
}

}  // namespace
}  // namespace quorlane
