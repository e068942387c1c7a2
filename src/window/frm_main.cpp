#include "window/frm_main.h"

#include <cstddef>
#include <cstdio>
#include <optional>
#include <utility>

#include "settings/private_profile.h"
#include "settings/shift_jis.h"
#include "settings/whole_number.h"
#include "window/layout.h"
#include "window/settings_warning.h"

namespace quorlane {

namespace {

constexpr std::string_view kSection = "DATA";
constexpr std::string_view kMissingValue = "ERROR";
constexpr std::size_t kLookupBufferSize = 255;
constexpr std::string_view kZeroTime = "00:00:00";
// What ReadRequiredNumber gives once a warning has said why start-up cannot go on: no settings
// file, no known place to look for it, or a value it cannot use.
constexpr std::nullopt_t kStartUpStops = std::nullopt;

// A conversion or overflow failure ends the body silently; what its earlier steps did stays done.
template <typename Body>
void RunUntilFailure(Body body) {
  try {
    body();
  } catch (const ConversionError&) {
  } catch (const OverflowError&) {
  }
}

// The value's Shift-JIS bytes, as the system's lookup gives them.
std::string LookUp(std::string_view key, std::string_view section, const NativePath& file) {
  return ReadPrivateProfileString(Utf8ToShiftJis(section), Utf8ToShiftJis(key), kMissingValue,
                                  kLookupBufferSize, file);
}

}  // namespace

FrmMain::FrmMain(FrmMainControls controls, Clock clock, PathSource settingsFilePath)
    : controls_(controls),
      clock_(std::move(clock)),
      settingsFilePath_(std::move(settingsFilePath)) {}

void FrmMain::Form_Load() {
  // Taken before any setting is read, so a faulty file can neither leave the title empty after
  // the first restore nor leave the design-time sample reading on display.
  strTitle = controls_.form.Title();
  controls_.lblTime.SetCaption(std::string(kZeroTime));
  const std::optional<std::int32_t> costPerHour = ReadRequiredNumber("COST_PER_HOUR");
  if (!costPerHour) return;
  lngCostPerHour = *costPerHour;
  const std::optional<std::int32_t> memberCount = ReadRequiredNumber("MEMBER_COUNT");
  if (!memberCount) return;
  lngMemberCount = *memberCount;
  const bool pin = PinRequested();
  controls_.txtMemnberCount.SetText(std::to_string(lngMemberCount));
  if (pin) controls_.form.PinTopLeft();
}

void FrmMain::btnStart_Click() {
  RunUntilFailure([&] {
    if (controls_.txtMemnberCount.Enabled()) {
      dtmStart = clock_();
      lngMemberCount = TypedMemberCount();
      controls_.tmrMain.SetInterval(layout::kTickMilliseconds);
      controls_.tmrMain.SetEnabled(true);
      controls_.txtMemnberCount.SetEnabled(false);
      controls_.btnStart.SetCaption(std::string(layout::kStopCaption));
    } else {
      controls_.tmrMain.SetEnabled(false);
      controls_.txtMemnberCount.SetEnabled(true);
      controls_.btnStart.SetCaption(std::string(layout::kStartCaption));
    }
  });
}

void FrmMain::tmrMain_Timer() {
  RunUntilFailure([&] {
    controls_.lblTime.SetCaption(ElapsedText(dtmStart, clock_()));
    const std::int32_t seconds = ElapsedSeconds(dtmStart, clock_());
    controls_.lblCost.SetCaption(std::to_string(seconds));
    const double cost = MeetingCost(lngCostPerHour, lngMemberCount, seconds);
    controls_.lblCost.SetCaption(CostText(cost));
    if (controls_.form.State() == WindowState::Minimised) {
      controls_.form.SetTitle(MinimisedTitle(cost));
    }
  });
}

void FrmMain::Form_Resize() {
  if (controls_.form.State() == WindowState::Normal) controls_.form.SetTitle(strTitle);
}

void FrmMain::WindowShown() {
  shown_ = true;
  for (const std::string& message : std::exchange(pendingWarnings_, {})) {
    controls_.form.ShowWarning(message);
  }
}

void FrmMain::Warn(const std::string& message) {
  std::fprintf(stderr, "%s\n", message.c_str());
  pendingWarnings_.push_back(message);
  if (shown_) WindowShown();
}

std::string FrmMain::ReadIniValue(std::string_view key, std::string_view section,
                                  const NativePath& fileName) const {
  return LookupTextToUtf8(LookUp(key, section, fileName));
}

std::optional<std::int32_t> FrmMain::ReadRequiredNumber(std::string_view key) {
  const NativePath file = settingsFilePath_();
  if (file.empty()) {
    // No directory to look in: start-up ends here, as it does without a settings file.
    Warn(SettingsWarning(SettingsProblem::ProgramPathUnknown, key, file, {}));
    return kStartUpStops;
  }
  const std::string bytes = LookUp(key, kSection, file);
  if (NeedsMissingConverter(bytes)) {
    Warn(SettingsWarning(SettingsProblem::NoShiftJisConverter, key, file, {}));
    return kStartUpStops;
  }
  const std::string value = LookupTextToUtf8(bytes);
  try {
    return ToWholeNumber(value);
  } catch (const ConversionError&) {
    Warn(SettingsWarning(value == kMissingValue ? WhyNoValue(file) : SettingsProblem::NotANumber,
                         key, file, value));
  } catch (const OverflowError&) {
    Warn(SettingsWarning(SettingsProblem::OutOfRange, key, file, value));
  }
  return kStartUpStops;
}

// Pinning is a nicety: a missing or unusable value just leaves the window where it opens.
bool FrmMain::PinRequested() const {
  bool pin = false;
  RunUntilFailure([&] {
    pin = ToWholeNumber(ReadIniValue("WINDOW_TOP_POS", kSection, settingsFilePath_())) == 1;
  });
  return pin;
}

// A count that does not convert is pointed out in the box itself, without a dialog, before its
// failure ends the start.
std::int32_t FrmMain::TypedMemberCount() {
  TextBoxControl& box = controls_.txtMemnberCount;
  try {
    return ToWholeNumber(box.Text());
  } catch (...) {
    box.SoundWarning();
    box.FocusAllText();
    throw;
  }
}

}  // namespace quorlane
