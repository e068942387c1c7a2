#include "window/frm_main.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "window/layout.h"
#include "window/settings_warning.h"

namespace quorlane {
namespace {

std::string DesignText(std::string_view name) {
  const auto found =
      std::find_if(layout::kControls.begin(), layout::kControls.end(),
                   [&](const layout::Control& control) { return control.name == name; });
  return found == layout::kControls.end() ? std::string() : std::string(found->text);
}

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

class FakeTextBox final : public TextBoxControl {
 public:
  std::string text = DesignText("txtMemnberCount");
  bool enabled = true;

  std::string Text() const override { return text; }
  void SetText(const std::string& value) override { text = value; }
  bool Enabled() const override { return enabled; }
  void SetEnabled(bool value) override { enabled = value; }
};

// Buttons and labels differ only in kind; one fake serves both.
class FakeCaption final : public ButtonControl, public LabelControl {
 public:
  explicit FakeCaption(std::string_view name) : caption(DesignText(name)) {}
  std::string caption;

  void SetCaption(const std::string& value) override { caption = value; }
};

class FakeTimer final : public TimerControl {
 public:
  int interval = 0;
  bool enabled = false;

  void SetInterval(int milliseconds) override { interval = milliseconds; }
  void SetEnabled(bool value) override { enabled = value; }
};

template <typename Case>
std::string CaseName(const testing::TestParamInfo<Case>& test) {
  return test.param.name;
}

// Keeps test listings readable: a case prints as its name, not as raw bytes.
template <typename Case>
requires requires(const Case& c) {
  c.name;
}
void PrintTo(const Case& test, std::ostream* out) {
  *out << test.name;
}

const DateTime kNine = MakeDateTime(2024, 4, 1, 9, 0, 0);

DateTime After(DateTime start, std::int64_t seconds) {
  return {start.secondsSinceEpoch + seconds};
}

std::string GoodSettings(int costPerHour) {
  return "[DATA]\nCOST_PER_HOUR=" + std::to_string(costPerHour) +
         "\nMEMBER_COUNT=12\nWINDOW_TOP_POS=0\n";
}

class FrmMainTest : public testing::Test {
 protected:
  FrmMainTest() {
    std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
    std::replace(name.begin(), name.end(), '/', '_');
    directory_ = std::filesystem::temp_directory_path() /
                 ("quorlane_frm_main_" + name + "_" + std::to_string(std::random_device()()));
    std::filesystem::create_directories(directory_);
    settingsPath = directory_ / "Quorlane.ini";
  }
  ~FrmMainTest() override { std::filesystem::remove_all(directory_); }

  // Lines end in CR LF, as a file edited on Windows would.
  void WriteSettings(std::string_view lines) {
    std::ofstream file(settingsPath, std::ios::binary);
    for (const char c : lines)
      file << (c == '\n' ? std::string_view("\r\n") : std::string_view(&c, 1));
  }

  void Load(std::optional<std::string_view> settings) {
    if (settings) WriteSettings(*settings);
    window.Form_Load();
  }

  void ClickAt(DateTime reading) {
    readings.push_back(reading);
    window.btnStart_Click();
  }

  void TickAt(DateTime first, DateTime second) {
    readings.insert(readings.end(), {first, second});
    window.tmrMain_Timer();
    EXPECT_TRUE(readings.empty()) << "a tick reads the clock twice";
  }
  void TickAt(DateTime reading) { TickAt(reading, reading); }

  DateTime NextReading() {
    if (readings.empty()) {
      ADD_FAILURE() << "clock read more often than scripted";
      return kNine;
    }
    const DateTime reading = readings.front();
    readings.pop_front();
    return reading;
  }

  std::filesystem::path directory_;
  std::filesystem::path settingsPath;
  int pathLookups = 0;
  std::deque<DateTime> readings;
  FakeForm form;
  FakeTextBox box;
  FakeCaption btnStart{"btnStart"};
  FakeCaption lblTime{"lblTime"};
  FakeCaption lblCost{"lblCost"};
  FakeTimer timer;
  FrmMain window{{form, box, btnStart, lblTime, lblCost, timer},
                 [this] { return NextReading(); },
                 [this] {
                   ++pathLookups;
                   return settingsPath;
                 }};
};

struct StartUpCase {
  const char* name;
  std::string_view memberCount;
  std::string_view pinLine;
  std::string_view boxText;
  int pinCalls;
};

class StartUp : public FrmMainTest, public testing::WithParamInterface<StartUpCase> {};

TEST_P(StartUp, AppliesTheSettingsWithoutWarning) {
  const StartUpCase& start = GetParam();
  Load("[DATA]\nCOST_PER_HOUR=5000\nMEMBER_COUNT=" + std::string(start.memberCount) + "\n" +
       std::string(start.pinLine));
  EXPECT_EQ(box.text, start.boxText);
  EXPECT_EQ(form.pinCalls, start.pinCalls);
  EXPECT_EQ(lblTime.caption, "00:00:00");
  EXPECT_EQ(lblCost.caption, DesignText("lblCost"));
  EXPECT_TRUE(form.warnings.empty());
  EXPECT_EQ(pathLookups, 3);
  EXPECT_FALSE(timer.enabled);
}

INSTANTIATE_TEST_SUITE_P(
    FrmMain, StartUp,
    testing::Values(StartUpCase{"PinOne", "12", "WINDOW_TOP_POS=1", "12", 1},
                    StartUpCase{"PinZero", "12", "WINDOW_TOP_POS=0", "12", 0},
                    StartUpCase{"PinTwo", "12", "WINDOW_TOP_POS=2", "12", 0},
                    StartUpCase{"PinMissing", "12", "", "12", 0},
                    StartUpCase{"PinNotANumber", "12", "WINDOW_TOP_POS=abc", "12", 0},
                    StartUpCase{"PinOutOfRange", "12", "WINDOW_TOP_POS=4294967297", "12", 0},
                    StartUpCase{"NegativeCount", " -3 ", "WINDOW_TOP_POS=1", "-3", 1}),
    CaseName<StartUpCase>);

struct FaultCase {
  const char* name;
  std::optional<std::string_view> settings;  // empty: no file at all
  std::string_view key;
  SettingsProblem problem;
  std::string_view value;
  std::string_view costOfOneAttendeeHour;
};

class FaultySettings : public FrmMainTest, public testing::WithParamInterface<FaultCase> {};

TEST_P(FaultySettings, StopStartUpAtTheKeyAndWarnOnce) {
  const FaultCase& fault = GetParam();
  Load(fault.settings);
  EXPECT_EQ(form.warnings,
            std::vector{SettingsWarning(fault.problem, fault.key, settingsPath, fault.value)});
  EXPECT_EQ(box.text, DesignText("txtMemnberCount"));
  EXPECT_EQ(form.pinCalls, 0);
  EXPECT_EQ(lblTime.caption, "00:00:00");

  form.title = "\\0";
  window.Form_Resize();
  EXPECT_EQ(form.title, layout::kTitle);

  box.text = "1";
  ClickAt(kNine);
  TickAt(After(kNine, 3600));
  EXPECT_EQ(lblCost.caption, fault.costOfOneAttendeeHour);
}

INSTANTIATE_TEST_SUITE_P(
    FrmMain, FaultySettings,
    testing::Values(
        FaultCase{"NoFile", std::nullopt, "COST_PER_HOUR", SettingsProblem::FileMissing, "ERROR",
                  "0円"},
        FaultCase{"CostMissing", "[DATA]\nMEMBER_COUNT=12\nWINDOW_TOP_POS=1", "COST_PER_HOUR",
                  SettingsProblem::KeyMissing, "ERROR", "0円"},
        FaultCase{"CostUnderOtherSection", "[OTHER]\nCOST_PER_HOUR=5000\nMEMBER_COUNT=12",
                  "COST_PER_HOUR", SettingsProblem::KeyMissing, "ERROR", "0円"},
        FaultCase{"CostNotANumber", "[DATA]\nCOST_PER_HOUR=abc\nMEMBER_COUNT=12\nWINDOW_TOP_POS=1",
                  "COST_PER_HOUR", SettingsProblem::NotANumber, "abc", "0円"},
        FaultCase{"CostEmpty", "[DATA]\nCOST_PER_HOUR=\nMEMBER_COUNT=12\nWINDOW_TOP_POS=1",
                  "COST_PER_HOUR", SettingsProblem::NotANumber, "", "0円"},
        FaultCase{"CostOutOfRange",
                  "[DATA]\nCOST_PER_HOUR=2147483648\nMEMBER_COUNT=12\nWINDOW_TOP_POS=1",
                  "COST_PER_HOUR", SettingsProblem::OutOfRange, "2147483648", "0円"},
        FaultCase{"CountMissing", "[DATA]\nCOST_PER_HOUR=5000\nWINDOW_TOP_POS=1", "MEMBER_COUNT",
                  SettingsProblem::KeyMissing, "ERROR", "5,000円"},
        // 十二 in Shift-JIS; the second byte of 十 is a backslash.
        FaultCase{"CountInKanji",
                  "[DATA]\nCOST_PER_HOUR=5000\nMEMBER_COUNT=\x8f\x5c\x93\xf1\nWINDOW_TOP_POS=1",
                  "MEMBER_COUNT", SettingsProblem::NotANumber, "十二", "5,000円"}),
    CaseName<FaultCase>);

TEST_F(FrmMainTest, DirectoryInPlaceOfTheSettingsFileCountsAsMissing) {
  std::filesystem::create_directory(settingsPath);
  Load(std::nullopt);
  EXPECT_EQ(form.warnings, std::vector{SettingsWarning(SettingsProblem::FileMissing,
                                                       "COST_PER_HOUR", settingsPath, "ERROR")});
}

TEST(SettingsWarningTest, NamesTheKeyAndTheValueAndEndsWithThePathLine) {
  const std::filesystem::path file(u8"/会議室/Quorlane.ini");
  std::vector<std::string> messages;
  for (const auto problem : {SettingsProblem::FileMissing, SettingsProblem::KeyMissing,
                             SettingsProblem::NotANumber, SettingsProblem::OutOfRange}) {
    const std::string message = SettingsWarning(problem, "MEMBER_COUNT", file, "1x");
    EXPECT_NE(message.find("MEMBER_COUNT"), std::string::npos) << message;
    EXPECT_EQ(message.substr(message.find('\n')), "\n/会議室/Quorlane.ini") << message;
    const bool quotesValue =
        problem == SettingsProblem::NotANumber || problem == SettingsProblem::OutOfRange;
    EXPECT_EQ(message.find("「1x」") != std::string::npos, quotesValue) << message;
    messages.push_back(message);
  }
  std::sort(messages.begin(), messages.end());
  EXPECT_EQ(std::unique(messages.begin(), messages.end()), messages.end());
}

TEST_F(FrmMainTest, StartAndStopFlipTheControlsAndTheTimer) {
  Load(GoodSettings(5000));
  ClickAt(kNine);
  EXPECT_EQ(btnStart.caption, layout::kStopCaption);
  EXPECT_FALSE(box.enabled);
  EXPECT_TRUE(timer.enabled);
  EXPECT_EQ(timer.interval, layout::kTickMilliseconds);
  EXPECT_TRUE(readings.empty());

  window.btnStart_Click();
  EXPECT_EQ(btnStart.caption, layout::kStartCaption);
  EXPECT_TRUE(box.enabled);
  EXPECT_FALSE(timer.enabled);
  EXPECT_EQ(lblTime.caption, "00:00:00");
  EXPECT_EQ(lblCost.caption, DesignText("lblCost"));
}

struct TickCase {
  const char* name;
  int costPerHour;
  std::string_view attendees;
  std::int64_t firstReading;  // seconds after the start
  std::int64_t secondReading;
  std::string_view time;
  std::string_view cost;
};

class Tick : public FrmMainTest, public testing::WithParamInterface<TickCase> {};

TEST_P(Tick, ShowsTheElapsedTimeAndTheCost) {
  const TickCase& tick = GetParam();
  Load(GoodSettings(tick.costPerHour));
  box.text = tick.attendees;
  ClickAt(kNine);
  TickAt(After(kNine, tick.firstReading), After(kNine, tick.secondReading));
  EXPECT_EQ(lblTime.caption, tick.time);
  EXPECT_EQ(lblCost.caption, tick.cost);
  EXPECT_EQ(form.title, layout::kTitle);
}

INSTANTIATE_TEST_SUITE_P(
    FrmMain, Tick,
    testing::Values(
        TickCase{"ThreeSeconds", 5000, "5", 3, 3, "00:00:03", "21円"},
        TickCase{"TimeAndCostFromSeparateReadings", 5000, "5", 1, 2, "00:00:01", "14円"},
        TickCase{"TypedCountReplacesTheSetting", 5000, "8", 3600, 3600, "01:00:00", "40,000円"},
        TickCase{"BeyondThirtyTwoBits", 10000, "20", 10738, 10738, "02:58:58", "596,556円"},
        TickCase{"OverADay", 5000, "5", 90061, 90061, "01:01:01", "625,424円"},
        TickCase{"NegativeCount", 5000, "-5", 3, 3, "00:00:03", "-21円"},
        TickCase{"ClockSetBack", 5000, "5", -3, -3, "00:00:03", "-21円"}),
    CaseName<TickCase>);

TEST_F(FrmMainTest, MinimisedTitleShowsTheCostUntilRestored) {
  Load(GoodSettings(5000));
  box.text = "5";
  ClickAt(kNine);
  form.state = WindowState::Minimised;
  TickAt(After(kNine, 3));
  EXPECT_EQ(form.title, "\\21");
  window.Form_Resize();
  EXPECT_EQ(form.title, "\\21");

  form.state = WindowState::Normal;
  window.Form_Resize();
  EXPECT_EQ(form.title, layout::kTitle);
}

TEST_F(FrmMainTest, AttendeeTextThatIsNotANumberStartsNothing) {
  for (const std::string_view text : {"", "abc", "2147483648"}) {
    SCOPED_TRACE(text);
    Load(GoodSettings(5000));
    box.text = text;
    ClickAt(kNine);
    EXPECT_TRUE(readings.empty()) << "the start time is taken before the count";
    EXPECT_EQ(btnStart.caption, layout::kStartCaption);
    EXPECT_TRUE(box.enabled);
    EXPECT_FALSE(timer.enabled);

    // The start time was replaced; the count from the settings stays.
    TickAt(After(kNine, 3600));
    EXPECT_EQ(lblCost.caption, "60,000円");
  }
}

TEST_F(FrmMainTest, RestartCountsFromTheNewStart) {
  Load(GoodSettings(5000));
  ClickAt(kNine);
  TickAt(After(kNine, 10));
  window.btnStart_Click();
  ClickAt(After(kNine, 100));
  EXPECT_EQ(lblTime.caption, "00:00:10");

  TickAt(After(kNine, 101));
  EXPECT_EQ(lblTime.caption, "00:00:01");
  EXPECT_EQ(lblCost.caption, "17円");
}

TEST_F(FrmMainTest, TickBeforeAnyStartShowsTheTimeOfDayOnly) {
  Load(GoodSettings(5000));
  form.state = WindowState::Minimised;
  TickAt(MakeDateTime(2024, 4, 1, 9, 30, 15));
  EXPECT_EQ(lblTime.caption, "09:30:15");
  EXPECT_EQ(lblCost.caption, DesignText("lblCost"));
  EXPECT_EQ(form.title, layout::kTitle);
}

}  // namespace
}  // namespace quorlane
