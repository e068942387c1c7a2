#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "clock/meeting_clock.h"
#include "settings/settings_file.h"
#include "window/controls.h"

namespace quorlane {

// The controls the handlers drive, owned by the front end.
struct FrmMainControls {
  FormControl& form;
  TextBoxControl& txtMemnberCount;
  ButtonControl& btnStart;
  LabelControl& lblTime;
  LabelControl& lblCost;
  TimerControl& tmrMain;
};

// The main window's state and its four handlers. The front end creates the controls from the
// layout data and calls the handlers on the toolkit's events.
// Form_Load, txtMemnberCount (sic) and lngMemberCount are the system's own names, kept on purpose.
class FrmMain {
 public:
  using Clock = std::function<DateTime()>;
  using PathSource = std::function<NativePath()>;

  explicit FrmMain(FrmMainControls controls, Clock clock = Now,
                   PathSource settingsFilePath = SettingsFilePath);

  void Form_Load();
  void btnStart_Click();
  void tmrMain_Timer();
  void Form_Resize();

 private:
  std::string ReadIniValue(std::string_view key, std::string_view section,
                           const NativePath& fileName) const;
  // A setting start-up cannot do without, or kStartUpStops once a warning has said why it cannot
  // be had.
  std::optional<std::int32_t> ReadRequiredNumber(std::string_view key);
  bool PinRequested() const;
  void Warn(const std::string& message);

  FrmMainControls controls_;
  Clock clock_;
  PathSource settingsFilePath_;

  std::int32_t lngMemberCount = 0;
  DateTime dtmStart{};
  std::int32_t lngCostPerHour = 0;
  std::string strTitle;
};

}  // namespace quorlane
