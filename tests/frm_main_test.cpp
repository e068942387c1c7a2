#include "window/frm_main.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "window/settings_warning.h"

namespace quorlane {
namespace {

// One fake plays the window and every control kind; each instance stands for a single one.
class Fake final : public FormControl,
                   public TextBoxControl,
                   public ButtonControl,
                   public LabelControl,
                   public TimerControl {
 public:
  explicit Fake(std::string_view designText, bool designEnabled = true)
      : text(designText), enabled(designEnabled) {}
  std::string text;
  bool enabled;
  int interval = 0, pinCalls = 0;
  WindowState state = WindowState::Normal;
  std::vector<std::string> warnings;
  std::string pointedOut;  // the sounds and the focus given, in order
  std::string Title() const override { return text; }
  void SetTitle(const std::string& value) override { text = value; }
  WindowState State() const override { return state; }
  void PinTopLeft() override { ++pinCalls; }
  void ShowWarning(const std::string& message) override { warnings.push_back(message); }
  std::string Text() const override { return text; }
  void SetText(const std::string& value) override { text = value; }
  void SetCaption(const std::string& value) override { text = value; }
  bool Enabled() const override { return enabled; }
  void SetEnabled(bool value) override { enabled = value; }
  void SetInterval(int milliseconds) override { interval = milliseconds; }
  void SoundWarning() override { pointedOut += "sound "; }
  void FocusAllText() override { pointedOut += "focus on \"" + text + "\" "; }
};

constexpr std::string_view kGoodData = "COST_PER_HOUR=10000\nMEMBER_COUNT=12\nWINDOW_TOP_POS=0";
constexpr std::string_view kNoFile = "<no file>", kDirectory = "<directory>",
                           kNoProgramPath = "<no program path>", kLink = "<link>";

class FrmMainTest : public testing::Test {
 protected:
  ~FrmMainTest() override {
    std::filesystem::remove_all(settingsPath);
    std::filesystem::remove(edited);
  }

  // data: the lines under [DATA], or what stands in the file's place.
  void Load(std::string_view data) {
    if (data == kDirectory) std::filesystem::create_directory(settingsPath);
    if (data == kNoProgramPath) givenPath.clear();
    // As the Debian package has it: a relative link to the file to edit.
    if (data.starts_with(kLink)) {
      std::filesystem::create_symlink(edited.filename(), settingsPath);
      data.remove_prefix(kLink.size());
    }
    if (data.find('=') != std::string_view::npos)
      std::ofstream(settingsPath, std::ios::binary) << "[DATA]\n" << data;
    window.Form_Load();
  }

  // Readings in seconds after nine o'clock; an unscripted one throws and so fails the test.
  void ClickAt(std::int64_t reading) {
    readings.push_back(reading);
    window.btnStart_Click();
  }
  void TickAt(std::int64_t first, std::optional<std::int64_t> second = {}) {
    readings.insert(readings.end(), {first, second.value_or(first)});
    window.tmrMain_Timer();
    EXPECT_TRUE(readings.empty()) << "a tick reads the clock twice";
  }
  // The button's caption, whether the box takes input, and the timer.
  std::string Controls() const {
    return btnStart.text + (box.enabled ? ", box on" : ", box off") +
           (timer.enabled ? ", timer " + std::to_string(timer.interval) + " ms" : ", timer off");
  }
  DateTime Read() {
    const std::int64_t reading = readings.at(0);
    readings.pop_front();
    return {MakeDateTime(2024, 4, 1, 9, 0, 0).secondsSinceEpoch + reading};
  }

  const std::filesystem::path settingsPath =
      std::filesystem::temp_directory_path() /
      ("quorlane_frm_main_" + std::to_string(std::random_device()()) + ".ini");
  const std::filesystem::path edited = settingsPath.string() + ".edit";
  std::filesystem::path givenPath = settingsPath;
  std::deque<std::int64_t> readings;
  Fake form{"Quorlane"}, box{"5"}, btnStart{"会議開始(&S)"}, lblTime{"01:10:12"}, lblCost{"0円"};
  Fake timer{"", false};
  FrmMain window{{form, box, btnStart, lblTime, lblCost, timer},
                 [this] { return Read(); },
                 [this] { return givenPath; }};
};

struct StartUpCase {
  const char* name;
  std::string_view data;
  std::string_view warning;  // before the line with the path
  std::string_view boxText = "5";
  int pinCalls = 0;
  std::string_view costOfOneAttendeeHour = "0円";  // shows which settings took effect
};

void PrintTo(const StartUpCase& start, std::ostream* out) {
  *out << start.name;
}

// 253 zeros, a 9 that the lookup's 255-byte buffer keeps and a 9 that it leaves out.
const std::string kCostCutShort = "COST_PER_HOUR=" + std::string(253, '0') + "99\nMEMBER_COUNT=7";

const StartUpCase kStartUps[] = {
    {"CountUngrouped", "COST_PER_HOUR=900\nMEMBER_COUNT=1,200", "", "1200", 0, "900円"},
    {"PinTwoQuotedLowerCase", "cost_per_hour = \"1,800\" \nmember_count=\t7\nWINDOW_TOP_POS=2", "",
     "7", 0, "1,800円"},
    {"PinNotANumber", "COST_PER_HOUR=900\nMEMBER_COUNT=7\nWINDOW_TOP_POS=abc", "", "7", 0, "900円"},
    {"PinOutOfRange", "COST_PER_HOUR=900\nMEMBER_COUNT=7\nWINDOW_TOP_POS=4294967297", "", "7", 0,
     "900円"},
    {"CountAsNumber", "COST_PER_HOUR=900\nMEMBER_COUNT=- 7.5\nWINDOW_TOP_POS=1", "", "-8", 1,
     "900円"},
    // Shift-JIS "９００", and "８" after an ideographic space, as an input method types them.
    {"FullWidth", "COST_PER_HOUR=\x82\x58\x82\x4f\x82\x4f\nMEMBER_COUNT=\x81\x40\x82\x57", "", "8",
     0, "900円"},
    {"CostCutAt254Bytes", kCostCutShort, "", "7", 0, "9円"},
    {"NoFile", kNoFile, "設定ファイルが見つからないため、COST_PER_HOUR を読めません。"},
    {"Unreadable", kDirectory, "設定ファイルを読み込めないため、COST_PER_HOUR を読めません。"},
    {"NoProgramPath", kNoProgramPath,
     "プログラムの場所が分からないため、設定ファイル Quorlane.ini を探せません。"},
    {"CostMissing", "MEMBER_COUNT=7\nWINDOW_TOP_POS=1",
     "設定ファイルの [DATA] に COST_PER_HOUR がありません。"},
    {"CostNotANumber", "COST_PER_HOUR=abc\nMEMBER_COUNT=7",
     "COST_PER_HOUR の値「abc」は数値ではありません。"},
#ifndef _WIN32  // the Windows program's settings file is no link
    {"CostNotANumberThroughALink", "<link>COST_PER_HOUR=abc",
     "COST_PER_HOUR の値「abc」は数値ではありません。"},
#endif
    {"CostOutOfRange", "COST_PER_HOUR=2147483648",
     "COST_PER_HOUR の値「2147483648」は扱える範囲を超えています。"},
    // 十's second byte is a backslash, ～ is U+FF5E in Microsoft's table, ① is in NEC row 13.
    {"CountInKanji", "COST_PER_HOUR=900\nMEMBER_COUNT=\x8f\x5c\x93\xf1\x81\x60\x87\x40",
     "MEMBER_COUNT の値「十二～①」は数値ではありません。", "5", 0, "900円"},
};

class StartUp : public FrmMainTest, public testing::WithParamInterface<StartUpCase> {};

TEST_P(StartUp, AppliesTheSettingsUpToTheFirstFaultyOne) {
  const StartUpCase& start = GetParam();
  Load(start.data);
  std::string path = givenPath.empty() ? "" : "\n" + givenPath.string();
  if (std::filesystem::is_symlink(settingsPath))
    path += "\nリンク先（編集するファイル）: " + edited.string();
  EXPECT_EQ(form.warnings, std::vector<std::string>{}) << "shown before the window";
  window.WindowShown();
  window.WindowShown();  // a restore shows the window again
  EXPECT_EQ(form.warnings, start.warning.empty() ? std::vector<std::string>{}
                                                 : std::vector{std::string(start.warning) + path});
  EXPECT_EQ(box.text, start.boxText);
  EXPECT_EQ(form.pinCalls, start.pinCalls);
  EXPECT_EQ(lblTime.text, "00:00:00");
  EXPECT_FALSE(timer.enabled);
  form.text = "¥0";
  window.Form_Resize();
  EXPECT_EQ(form.text, "Quorlane");
  box.text = "1";
  ClickAt(0);
  TickAt(3600);
  EXPECT_EQ(lblCost.text, start.costOfOneAttendeeHour);
}

INSTANTIATE_TEST_SUITE_P(FrmMain, StartUp, testing::ValuesIn(kStartUps),
                         [](const auto& test) { return test.param.name; });

// Only a system without a converter for code page 932 meets this one.
TEST(SettingsWarning, NamesTheMissingConverter) {
  EXPECT_EQ(SettingsWarning(SettingsProblem::NoShiftJisConverter, "MEMBER_COUNT", {}, {}),
            "このシステムには Shift-JIS (CP932) の文字コード変換がないため、MEMBER_COUNT "
            "の値を読めません。\n");
}

TEST_F(FrmMainTest, AnAttendeeTextThatDoesNotConvertStartsNothingAndIsPointedOut) {
  Load(kGoodData);
  box.text = "5";
  ClickAt(0);
  window.btnStart_Click();
  for (const std::string_view text : {"", "abc", "2147483648"}) {
    box.text = text;
    box.pointedOut.clear();
    ClickAt(7200);
    EXPECT_EQ(box.pointedOut, "sound focus on \"" + box.text + "\" ");
    EXPECT_EQ(Controls(), "会議開始(&S), box on, timer off");
  }
  TickAt(10800);  // from the failed start's reading, with the last count that converted
  EXPECT_EQ(lblCost.text, "50,000円");
  box.text = "1";
  box.pointedOut.clear();
  ClickAt(0);
  EXPECT_EQ(box.pointedOut, "");
}

// 10,000 yen an hour. A row with attendees stops the meeting and starts anew at its start reading.
TEST_F(FrmMainTest, TicksShowTheTimeAndCostSinceTheLatestStartWhateverTheClockDoes) {
  Load(kGoodData);
  const struct {
    const char* attendees;
    std::int64_t start, timeReading, costReading;
    std::string_view time, cost;
  } ticks[] = {
      {nullptr, 0, 1815, 1815, "09:30:15", "0円"},        // before any start: the time of day only
      {"5", 0, 1, 2, "00:00:01", "28円"},                 // each figure from its own reading
      {"8", 7200, 10800, 10800, "01:00:00", "80,000円"},  // the typed count, not the setting's 12
      {"20", 20000, 30738, 30738, "02:58:58", "596,556円"},          // the product exceeds 32 bits
      {"36", 0, 10, 10, "00:00:10", "1,000円"},                      // 100 yen a second
      {nullptr, 0, 3610, 3610, "01:00:10", "361,000円"},             // forward an hour
      {nullptr, 0, 10, 10, "00:00:10", "1,000円"},                   // back an hour
      {nullptr, 0, -65, -65, "00:01:05", "-6,500円"},                // back past the start
      {nullptr, 0, 2147483648, 2147483648, "03:14:08", "-6,500円"},  // past 32-bit seconds
      {nullptr, 0, 20, 20, "00:00:20", "2,000円"},
      {"30", 0, 30 * 86400 + 3723, 30 * 86400 + 3723, "01:02:03", "216,310,250円"},  // 30 days on
  };
  for (const auto& [attendees, start, timeReading, costReading, time, cost] : ticks) {
    SCOPED_TRACE(timeReading);
    if (attendees != nullptr) {
      if (!box.enabled) window.btnStart_Click();
      EXPECT_EQ(Controls(), "会議開始(&S), box on, timer off");
      box.text = attendees;
      const std::string shown = lblTime.text + lblCost.text;  // kept until the next tick
      ClickAt(start);
      EXPECT_EQ(Controls() + lblTime.text + lblCost.text,
                "会議終了(&S), box off, timer 1000 ms" + shown);
    }
    TickAt(timeReading, costReading);
    EXPECT_EQ(lblTime.text, time);
    EXPECT_EQ(lblCost.text, cost);
    EXPECT_EQ(form.text, "Quorlane");
  }
  // Only a minimised window's title shows the cost, and only a normal one gets its own back.
  std::string titles;
  std::int64_t reading = 0;
  for (const WindowState state :
       {WindowState::Minimised, WindowState::Maximised, WindowState::Normal}) {
    form.state = state;
    TickAt(reading += 3600);
    window.Form_Resize();
    titles += form.text + " ";
  }
  EXPECT_EQ(titles, "¥300,000 ¥300,000 Quorlane ");
}

}  // namespace
}  // namespace quorlane
