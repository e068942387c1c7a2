#include "window/frm_main.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "window/layout.h"
#include "window/settings_warning.h"

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

class FrmMainTest : public testing::Test {
 protected:
  ~FrmMainTest() override { std::filesystem::remove(settingsPath); }

  void Load(std::optional<std::string_view> data) {
    if (data) std::ofstream(settingsPath, std::ios::binary) << "[DATA]\n" << *data;
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
  std::deque<std::int64_t> readings;
  FakeForm form;
  FakeControl box{"5"};
  FakeControl btnStart{layout::kStartCaption};
  FakeControl lblTime{"01:10:12"};
  FakeControl lblCost{"0円"};
  FakeControl timer{"", false};
  FrmMain window{{form, box, btnStart, lblTime, lblCost, timer},
                 [this] { return Read(); },
                 [this] { return settingsPath; }};
};

struct StartUpCase {
  const char* name;
  std::optional<std::string_view> data;  // the lines under [DATA]; empty: no settings file
  std::string_view boxText;
  int pinCalls;
  std::string_view costOfOneAttendeeHour;       // shows which settings took effect
  std::optional<SettingsProblem> problem = {};  // empty: no warning
  std::string_view key = {};
  std::string_view value = {};
};

void PrintTo(const StartUpCase& start, std::ostream* out) {
  *out << start.name;
}

using enum SettingsProblem;
const StartUpCase kStartUps[] = {
    {"PinOne", "COST_PER_HOUR=900\nMEMBER_COUNT=7\nWINDOW_TOP_POS=1", "7", 1, "900円"},
    {"PinZero", "COST_PER_HOUR=900\nMEMBER_COUNT=7\nWINDOW_TOP_POS=0", "7", 0, "900円"},
    {"PinTwo", "COST_PER_HOUR=900\nMEMBER_COUNT=7\nWINDOW_TOP_POS=2", "7", 0, "900円"},
    {"PinMissing", "COST_PER_HOUR=900\nMEMBER_COUNT=7", "7", 0, "900円"},
    {"PinNotANumber", "COST_PER_HOUR=900\nMEMBER_COUNT=7\nWINDOW_TOP_POS=abc", "7", 0, "900円"},
    {"CountAsNumber", "COST_PER_HOUR=900\nMEMBER_COUNT=- 7.5\nWINDOW_TOP_POS=1", "-8", 1, "900円"},
    {"NoFile", std::nullopt, "5", 0, "0円", FileMissing, "COST_PER_HOUR", "ERROR"},
    {"CostMissing", "MEMBER_COUNT=7\nWINDOW_TOP_POS=1", "5", 0, "0円", KeyMissing, "COST_PER_HOUR",
     "ERROR"},
    {"CostNotANumber", "COST_PER_HOUR=abc\nMEMBER_COUNT=7\nWINDOW_TOP_POS=1", "5", 0, "0円",
     NotANumber, "COST_PER_HOUR", "abc"},
    {"CostEmpty", "COST_PER_HOUR=\nMEMBER_COUNT=7\nWINDOW_TOP_POS=1", "5", 0, "0円", NotANumber,
     "COST_PER_HOUR", ""},
    {"CostOutOfRange", "COST_PER_HOUR=2147483648\nMEMBER_COUNT=7\nWINDOW_TOP_POS=1", "5", 0, "0円",
     OutOfRange, "COST_PER_HOUR", "2147483648"},
    {"CountMissing", "COST_PER_HOUR=900\nWINDOW_TOP_POS=1", "5", 0, "900円", KeyMissing,
     "MEMBER_COUNT", "ERROR"},
    // 十二 in Shift-JIS; the second byte of 十 is a backslash.
    {"CountInKanji", "COST_PER_HOUR=900\nMEMBER_COUNT=\x8f\x5c\x93\xf1\nWINDOW_TOP_POS=1", "5", 0,
     "900円", NotANumber, "MEMBER_COUNT", "十二"},
};

class StartUp : public FrmMainTest, public testing::WithParamInterface<StartUpCase> {};

TEST_P(StartUp, AppliesTheSettingsUpToTheFirstFaultyOne) {
  const StartUpCase& start = GetParam();
  Load(start.data);
  std::vector<std::string> warnings;
  if (start.problem)
    warnings.push_back(SettingsWarning(*start.problem, start.key, settingsPath, start.value));
  EXPECT_EQ(form.warnings, warnings);
  EXPECT_EQ(box.text, start.boxText);
  EXPECT_EQ(form.pinCalls, start.pinCalls);
  EXPECT_EQ(lblTime.text, "00:00:00");
  EXPECT_FALSE(timer.enabled);

  form.title = "\\0";
  window.Form_Resize();
  EXPECT_EQ(form.title, layout::kTitle);

  box.text = "1";
  ClickAt(0);
  TickAt(3600);
  EXPECT_EQ(lblCost.text, start.costOfOneAttendeeHour);
}

INSTANTIATE_TEST_SUITE_P(FrmMain, StartUp, testing::ValuesIn(kStartUps),
                         [](const auto& test) { return test.param.name; });

TEST(SettingsWarningTest, NamesTheKeyQuotesOnlyAFaultyValueAndEndsWithThePath) {
  const std::pair<SettingsProblem, bool> quotesValue[] = {
      {FileMissing, false}, {KeyMissing, false}, {NotANumber, true}, {OutOfRange, true}};
  std::set<std::string> distinct;
  for (const auto& [problem, quoted] : quotesValue) {
    const std::string message =
        SettingsWarning(problem, "MEMBER_COUNT", u8"/会議室/Quorlane.ini", "1x");
    EXPECT_NE(message.find("MEMBER_COUNT"), std::string::npos) << message;
    EXPECT_EQ(message.substr(message.find('\n')), "\n/会議室/Quorlane.ini") << message;
    EXPECT_EQ(message.find("「1x」") != std::string::npos, quoted) << message;
    distinct.insert(message);
  }
  EXPECT_EQ(distinct.size(), std::size(quotesValue));
}

TEST_F(FrmMainTest, StartMinimiseRestoreAndStop) {
  Load(kGoodData);
  box.text = "5";
  ClickAt(0);
  EXPECT_EQ(btnStart.text, layout::kStopCaption);
  EXPECT_FALSE(box.enabled);
  EXPECT_TRUE(timer.enabled);
  EXPECT_EQ(timer.interval, layout::kTickMilliseconds);

  form.state = WindowState::Minimised;
  TickAt(3);
  EXPECT_EQ(form.title, "\\42");
  window.Form_Resize();
  EXPECT_EQ(form.title, "\\42");
  form.state = WindowState::Normal;
  window.Form_Resize();
  EXPECT_EQ(form.title, layout::kTitle);

  window.btnStart_Click();
  EXPECT_EQ(btnStart.text, layout::kStartCaption);
  EXPECT_TRUE(box.enabled);
  EXPECT_FALSE(timer.enabled);
  EXPECT_EQ(lblTime.text, "00:00:03");  // the last figures stay
  EXPECT_EQ(lblCost.text, "42円");
  form.state = WindowState::Minimised;
  window.Form_Resize();
  EXPECT_EQ(form.title, layout::kTitle);
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
    EXPECT_EQ(form.title, layout::kTitle);
    window.btnStart_Click();
  }
}

TEST_F(FrmMainTest, AttendeeTextThatIsNotANumberStartsNothing) {
  Load(kGoodData);
  for (const std::string_view text : {"", "abc", "2147483648"}) {
    SCOPED_TRACE(text);
    box.text = text;
    ClickAt(0);
    EXPECT_EQ(btnStart.text, layout::kStartCaption);
    EXPECT_TRUE(box.enabled);
    EXPECT_FALSE(timer.enabled);
  }
}

TEST_F(FrmMainTest, TickBeforeAnyStartShowsTheTimeOfDayOnly) {
  Load(kGoodData);
  form.state = WindowState::Minimised;
  TickAt(30 * 60 + 15);
  EXPECT_EQ(lblTime.text, "09:30:15");
  EXPECT_EQ(lblCost.text, "0円");
  EXPECT_EQ(form.title, layout::kTitle);
}

}  // namespace
}  // namespace quorlane
