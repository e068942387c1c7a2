#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "window/controls.h"
#include "window/frm_main.h"
#include "window/layout.h"
#include "window/win32/base_window.h"
#include "window/win32/native_controls.h"
#include "window/win32/read_out.h"
#include "window/win32/win32_controls.h"

namespace quorlane::win32 {

// A label's text colour; in high contrast every text takes the theme's, to stay readable.
COLORREF LabelTextColor(const layout::Control& label, bool highContrast);

// The main window in Win32: creates the native controls from the layout data, adapts them to the
// control interfaces and forwards window messages to FrmMain's handlers. Everything is made, and
// Form_Load runs, in OnCreate; the window procedure only unpacks a message and calls its
// On<Message> handler. The handlers' view of the window (FormControl) is open to tests.
class MainWindow final : public BaseWindow<MainWindow>, public FormControl {
 public:
  // Creates the window, hidden; ends the program with a message if Windows will not make it.
  explicit MainWindow(HINSTANCE instance, FrmMain::Clock clock = Now,
                      FrmMain::PathSource settingsFilePath = SettingsFilePath);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // A request to start maximised shows the window normal: it has a fixed size.
  void Show(int showCommand);
  // Until the window is closed; gives the exit code. Tab and Alt+S come from IsDialogMessageW.
  int RunMessageLoop();
  using BaseWindow::Handle;
  HWND Handle(layout::ControlId id) const { return controls_->Handle(id); }

 private:
  using Parts = FrmMainParts<TextBox, Button, ReadOut, Timer>;

  friend class BaseWindow<MainWindow>;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  void OnCreate();
  void OnActivate(bool active, bool minimised);
  void OnCommand(int id, HWND control, int code);
  HBRUSH OnCtlColorStatic(HDC dc, HWND control) const;
  void OnSettingChange();

  std::string Title() const override;
  void SetTitle(const std::string& title) override;
  WindowState State() const override;
  void PinTopLeft() override;
  void ShowWarning(const std::string& message) override;

  // Sizes the window and places every control for dpi; moves the window only to a given corner.
  void ApplyLayout(UINT dpi, std::optional<POINT> topLeft);

  FrmMain::Clock clock_;
  FrmMain::PathSource settingsFilePath_;
  std::optional<NativeControls> controls_;
  HWND focus_ = nullptr;
  bool highContrast_ = false;
  std::unique_ptr<Parts> parts_;
  std::unique_ptr<FrmMain> frmMain_;
};

}  // namespace quorlane::win32
