#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "window/controls.h"
#include "window/frm_main.h"
#include "window/layout.h"
#include "window/win32/font.h"
#include "window/win32/read_out.h"
#include "window/win32/win32_controls.h"

namespace quorlane::win32 {

// A label's text colour; in high contrast every text takes the theme's, to stay readable.
COLORREF LabelTextColor(const layout::Control& label, bool highContrast);

// The main window in Win32: creates the native controls from the layout data, adapts them to the
// control interfaces and forwards window messages to FrmMain's handlers. Everything is made, and
// Form_Load runs, in OnCreate; the window procedure only unpacks a message and calls its
// On<Message> handler. The handlers' view of the window (FormControl) is open to tests.
class MainWindow final : public FormControl {
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
  HWND Handle() const { return window_; }
  HWND Handle(layout::ControlId id) const { return handles_[static_cast<std::size_t>(id)]; }

 private:
  using Parts = FrmMainParts<TextBox, Button, ReadOut, Timer>;

  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  void OnCreate();
  void OnActivate(bool active, bool minimised);
  void OnCommand(int id, HWND control, int code);
  HBRUSH OnCtlColorStatic(HDC dc, HWND control) const;
  void OnDpiChanged(UINT dpi, const RECT& suggested);
  void OnSettingChange();
  void OnShowWarnings();

  std::string Title() const override;
  void SetTitle(const std::string& title) override;
  WindowState State() const override;
  void PinTopLeft() override;
  void ShowWarning(const std::string& message) override;

  void CreateControls();
  // Sizes the window and places every control, and sets their fonts, for dpi; moves the window
  // only to a given corner.
  void ApplyLayout(UINT dpi, const POINT* topLeft);

  FrmMain::Clock clock_;
  FrmMain::PathSource settingsFilePath_;
  HWND window_ = nullptr;
  std::array<HWND, layout::kControlCount> handles_{};
  UniqueFont messageFont_;
  HWND focus_ = nullptr;
  bool highContrast_ = false;
  std::unique_ptr<Parts> parts_;
  std::unique_ptr<FrmMain> frmMain_;
  std::vector<std::wstring> pendingWarnings_;
};

}  // namespace quorlane::win32
