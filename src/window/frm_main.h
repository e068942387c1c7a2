#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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
  // The front end's word that the window is on screen: warnings from start-up come now, owned by
  // it.
  void WindowShown();

 private:
  std::string ReadIniValue(std::string_view key, std::string_view section,
                           const NativePath& fileName) const;
  // A setting start-up cannot do without, or kStartUpStops once a warning has said why it cannot
  // be had.
  std::optional<std::int32_t> ReadRequiredNumber(std::string_view key);
  bool PinRequested() const;
  std::int32_t TypedMemberCount();
  // Written at once for whoever started the program; shown once the window is on screen.
  void Warn(const std::string& message);

  FrmMainControls controls_;
  Clock clock_;
  PathSource settingsFilePath_;

  std::int32_t lngMemberCount = 0;
  DateTime dtmStart{};
  std::int32_t lngCostPerHour = 0;
  std::string strTitle;

  bool shown_ = false;
  std::vector<std::string> pendingWarnings_;
};

// The adapters a front end makes for the controls the handlers drive, bound to its window.
template <class TextBox, class Button, class ReadOut, class Timer>
struct FrmMainParts {
  TextBox txtMemnberCount;
  Button btnStart;
  ReadOut lblTime;
  ReadOut lblCost;
  Timer tmrMain;

  FrmMainControls Bind(FormControl& form) {
    return {form, txtMemnberCount, btnStart, lblTime, lblCost, tmrMain};
  }
  // The timer's event: the handler writes both read-outs, then screen readers hear what changed.
  void Tick(FrmMain& frmMain) {
    frmMain.tmrMain_Timer();
    lblTime.AnnounceChange();
    lblCost.AnnounceChange();
  }
};

}  // namespace quorlane
