#include "window/frm_main.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "window/layout.h"

namespace quorlane {
namespace {

class FakeForm final : public FormControl {
 public:
  std::string title{layout::kTitle};
  WindowState state = WindowState::Normal;
  int pinCalls = 0;
  std::vector<std::string> warnings;

  std::string Title() const override { return title; }
  void SetTitle(const std::string& text) override { title = text; }
  WindowState State() const override { return state; }
  void PinTopLeft() override { ++pinCalls; }
  void ShowWarningWhenVisible(const std::string& message) override { warnings.push_back(message); }
};

// One fake plays every control kind; each instance stands for a single control.
class FakeControl final : public TextBoxControl,
                          public ButtonControl,
                          public LabelControl,
                          public TimerControl {
 public:
  explicit FakeControl(std::string_view designText, bool designEnabled = true)
      : text(designText), enabled(designEnabled) {}
  std::string text;
  bool enabled;
  int interval = 0;

  std::string Text() const override { return text; }
  void SetText(const std::string& value) override { text = value; }
  void SetCaption(const std::string& value) override { text = value; }
  bool Enabled() const override { return enabled; }
  void SetEnabled(bool value) override { enabled = value; }
  void SetInterval(int milliseconds) override { interval = milliseconds; }
};

const DateTime kNine = MakeDateTime(2024, 4, 1, 9, 0, 0);
constexpr std::string_view kGoodData = "COST_PER_HOUR=10000\nMEMBER_COUNT=12\nWINDOW_TOP_POS=0";

constexpr std::string_view kNoFile = "<no file>", kDirectory = "<directory>",
                           kNoProgramPath = "<no program path>";

class FrmMainTest : public testing::Test {
 protected:
  ~FrmMainTest() override { std::filesystem::remove_all(settingsPath); }

  // data: the lines under [DATA], or what stands in the file's place.
  void Load(std::string_view data) {
    if (data == kDirectory) std::filesystem::create_directory(settingsPath);
    if (data == kNoProgramPath) givenPath.clear();
    if (data.find('=') != std::string_view::npos)
      std::ofstream(settingsPath, std::ios::binary) << "[DATA]\n" << data;
    window.Form_Load();
  }

  // Clock readings are given in seconds after nine o'clock.
  void ClickAt(std::int64_t reading) {
    readings.push_back(reading);
    window.btnStart_Click();
  }
  void TickAt(std::int64_t first, std::optional<std::int64_t> second = {}) {
    readings.insert(readings.end(), {first, second.value_or(first)});
    window.tmrMain_Timer();
    EXPECT_TRUE(readings.empty()) << "a tick reads the clock twice";
  }
  // An unscripted reading throws out of the handler and so fails the test.
  DateTime Read() {
    const std::int64_t reading = readings.at(0);
    readings.pop_front();
    return {kNine.secondsSinceEpoch + reading};
  }

  const std::filesystem::path settingsPath =
      std::filesystem::temp_directory_path() /
      ("quorlane_frm_main_" + std::to_string(std::random_device()()) + ".ini");
  std::filesystem::path givenPath = settingsPath;
  std::deque<std::int64_t> readings;
  FakeForm form;
  FakeControl box{"5"};
  FakeControl btnStart{"会議開始(&S)"};
  FakeControl lblTime{"01:10:12"};
  FakeControl lblCost{"0円"};
  FakeControl timer{"", false};
  FrmMain window{{form, box, btnStart, lblTime, lblCost, timer},
                 [this] { return Read(); },
                 [this] { return givenPath; }};
};

struct StartUpCase {
  const char* name;
  std::string_view data;
  std::string_view boxText;
  int pinCalls;
  std::string_view costOfOneAttendeeHour;  // shows which settings took effect
  std::string_view warning = {};           // before the line with the path
};

void PrintTo(const StartUpCase& start, std::ostream* out) {
  *out << start.name;
}

const StartUpCase kStartUps[] = {
    {"PinOne", "COST_PER_HOUR=900\nMEMBER_COUNT=7\nWINDOW_TOP_POS=1", "7", 1, "900円"},
    {"PinZeroCountUngrouped", "COST_PER_HOUR=900\nMEMBER_COUNT=1,200\nWINDOW_TOP_POS=0", "1200", 0,
     "900円"},
    {"PinTwoQuotedLowerCase", "cost_per_hour = \"1,800\" \nmember_count=\t7\nWINDOW_TOP_POS=2", "7",
     0, "1,800円"},
    {"PinMissing", "COST_PER_HOUR=900\nMEMBER_COUNT=7", "7", 0, "900円"},
    {"PinNotANumber", "COST_PER_HOUR=900\nMEMBER_COUNT=7\nWINDOW_TOP_POS=abc", "7", 0, "900円"},
    {"PinOutOfRange", "COST_PER_HOUR=900\nMEMBER_COUNT=7\nWINDOW_TOP_POS=4294967297", "7", 0,
     "900円"},
    {"CountAsNumber", "COST_PER_HOUR=900\nMEMBER_COUNT=- 7.5\nWINDOW_TOP_POS=1", "-8", 1, "900円"},
    {"NoFile", kNoFile, "5", 0, "0円",
     "設定ファイルが見つからないため、COST_PER_HOUR を読めません。"},
    {"Unreadable", kDirectory, "5", 0, "0円",
     "設定ファイルを読み込めないため、COST_PER_HOUR を読めません。"},
    {"NoProgramPath", kNoProgramPath, "5", 0, "0円",
     "プログラムの場所が分からないため、設定ファイル Quorlane.ini を探せません。"},
    {"CostMissing", "MEMBER_COUNT=7\nWINDOW_TOP_POS=1", "5", 0, "0円",
     "設定ファイルの [DATA] に COST_PER_HOUR がありません。"},
    {"CostNotANumber", "COST_PER_HOUR=abc\nMEMBER_COUNT=7\nWINDOW_TOP_POS=1", "5", 0, "0円",
     "COST_PER_HOUR の値「abc」は数値ではありません。"},
    {"CostEmpty", "COST_PER_HOUR=\nMEMBER_COUNT=7\nWINDOW_TOP_POS=1", "5", 0, "0円",
     "COST_PER_HOUR の値「」は数値ではありません。"},
    {"CostOutOfRange", "COST_PER_HOUR=2147483648\nMEMBER_COUNT=7\nWINDOW_TOP_POS=1", "5", 0, "0円",
     "COST_PER_HOUR の値「2147483648」は扱える範囲を超えています。"},
    {"CountMissing", "COST_PER_HOUR=900\nWINDOW_TOP_POS=1", "5", 0, "900円",
     "設定ファイルの [DATA] に MEMBER_COUNT がありません。"},
    // 十二 in Shift-JIS; the second byte of 十 is a backslash.
    {"CountInKanji", "COST_PER_HOUR=900\nMEMBER_COUNT=\x8f\x5c\x93\xf1\nWINDOW_TOP_POS=1", "5", 0,
     "900円", "MEMBER_COUNT の値「十二」は数値ではありません。"},
};

class StartUp : public FrmMainTest, public testing::WithParamInterface<StartUpCase> {};

TEST_P(StartUp, AppliesTheSettingsUpToTheFirstFaultyOne) {
  const StartUpCase& start = GetParam();
  Load(start.data);
  std::vector<std::string> warnings;
  if (!start.warning.empty()) {
    const std::string path = givenPath.empty() ? "" : "\n" + givenPath.string();
    warnings.push_back(std::string(start.warning) + path);
  }
  EXPECT_EQ(form.warnings, warnings);
  EXPECT_EQ(box.text, start.boxText);
  EXPECT_EQ(form.pinCalls, start.pinCalls);
  EXPECT_EQ(lblTime.text, "00:00:00");
  EXPECT_FALSE(timer.enabled);

  form.title = "\\0";
  window.Form_Resize();
  EXPECT_EQ(form.title, "Quorlane");

  box.text = "1";
  ClickAt(0);
  TickAt(3600);
  EXPECT_EQ(lblCost.text, start.costOfOneAttendeeHour);
}

INSTANTIATE_TEST_SUITE_P(FrmMain, StartUp, testing::ValuesIn(kStartUps),
                         [](const auto& test) { return test.param.name; });

TEST_F(FrmMainTest, StartMinimiseRestoreStopAndRestart) {
  Load(kGoodData);
  box.text = "5";
  ClickAt(0);
  EXPECT_EQ(btnStart.text, "会議終了(&S)");
  EXPECT_FALSE(box.enabled);
  EXPECT_TRUE(timer.enabled);
  EXPECT_EQ(timer.interval, 1000);
  EXPECT_EQ(lblTime.text, "00:00:00");  // a start leaves the read-outs to the first tick
  EXPECT_EQ(lblCost.text, "0円");

  form.state = WindowState::Minimised;
  TickAt(3);
  EXPECT_EQ(form.title, "\\42");
  window.Form_Resize();
  EXPECT_EQ(form.title, "\\42");
  form.state = WindowState::Normal;
  window.Form_Resize();
  EXPECT_EQ(form.title, "Quorlane");

  window.btnStart_Click();
  EXPECT_EQ(btnStart.text, "会議開始(&S)");
  EXPECT_TRUE(box.enabled);
  EXPECT_FALSE(timer.enabled);
  form.state = WindowState::Minimised;
  window.Form_Resize();
  EXPECT_EQ(form.title, "Quorlane");
  ClickAt(60);
  EXPECT_EQ(lblTime.text, "00:00:03");  // the stopped meeting's figures stay until the next tick
  EXPECT_EQ(lblCost.text, "42円");
}

// Each row starts anew after the previous row's stop, so a restart must count from its own reading.
TEST_F(FrmMainTest, TickShowsTheTimeAndCostSinceTheLatestStart) {
  Load(kGoodData);
  const struct {
    std::int64_t start;
    std::string_view attendees;
    std::int64_t timeReading, costReading;  // seconds after the start
    std::string_view time, cost;
  } ticks[] = {
      {0, "5", 1, 2, "00:00:01", "28円"},
      {7200, "8", 3600, 3600, "01:00:00", "80,000円"},  // the typed count, not the setting's 12
      {20000, "20", 10738, 10738, "02:58:58", "596,556円"},  // the product exceeds 32 bits
  };
  for (const auto& [start, attendees, timeReading, costReading, time, cost] : ticks) {
    SCOPED_TRACE(attendees);
    box.text = attendees;
    ClickAt(start);
    TickAt(start + timeReading, start + costReading);
    EXPECT_EQ(lblTime.text, time);
    EXPECT_EQ(lblCost.text, cost);
    EXPECT_EQ(form.title, "Quorlane");
    window.btnStart_Click();
  }
}

// 10,000 yen an hour and 36 attendees: 100 yen a second.
TEST_F(FrmMainTest, ClockJumpsShowWhatTheReadingSaysAndTheNextReadingIsRightAgain) {
  Load(kGoodData);
  box.text = "36";
  ClickAt(0);
  const struct {
    std::int64_t reading;
    std::string_view time, cost;
  } jumps[] = {
      {10, "00:00:10", "1,000円"},          {3610, "01:00:10", "361,000円"},  // forward an hour
      {10, "00:00:10", "1,000円"},                                            // back an hour
      {-65, "00:01:05", "-6,500円"},                                          // back past the start
      {2147483648, "03:14:08", "-6,500円"},  // past the 32-bit seconds: the cost stays
      {20, "00:00:20", "2,000円"},
  };
  for (const auto& [reading, time, cost] : jumps) {
    SCOPED_TRACE(reading);
    TickAt(reading);
    EXPECT_EQ(lblTime.text, time);
    EXPECT_EQ(lblCost.text, cost);
  }
}

// 10,000 yen an hour and 30 attendees: 7,200,000 yen a day, ticked hourly for 30 days.
TEST_F(FrmMainTest, ThirtyDayMeetingWrapsTheHoursAndKeepsTheCostExact) {
  Load(kGoodData);
  box.text = "30";
  ClickAt(0);
  for (int hour = 1; hour <= 30 * 24; ++hour) {
    TickAt(hour * 3600);
    const int hourOfDay = hour % 24;
    ASSERT_EQ(lblTime.text, std::to_string(100 + hourOfDay).substr(1) + ":00:00");
    if (hourOfDay == 0) {
      std::string digits = lblCost.text.substr(0, lblCost.text.size() - std::strlen("円"));
      std::erase(digits, ',');
      ASSERT_EQ(digits, std::to_string(7200000LL * hour / 24));
    }
  }
  TickAt(30 * 86400 + 3723);
  EXPECT_EQ(lblTime.text, "01:02:03");
  EXPECT_EQ(lblCost.text, "216,310,250円");
  EXPECT_TRUE(form.warnings.empty());
}

TEST_F(FrmMainTest, TickBeforeAnyStartShowsTheTimeOfDayOnly) {
  Load(kGoodData);
  form.state = WindowState::Minimised;
  TickAt(30 * 60 + 15);
  EXPECT_EQ(lblTime.text, "09:30:15");
  EXPECT_EQ(lblCost.text, "0円");
  EXPECT_EQ(form.title, "Quorlane");
}

}  // namespace
}  // namespace quorlane
