#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "window/frm_main.h"
#include "window/win32/controls.h"

namespace quorlane::win32 {

// The main window in Win32: makes the native controls from the layout data, in OnCreate, and
// forwards window messages to FrmMain's handlers, whose view of it (FormControl) tests use too.
class MainWindow final : public FormControl {
 public:
  // Creates the window, hidden; ends the program with a message if Windows will not make it.
  explicit MainWindow(HINSTANCE instance, FrmMain::Clock clock = Now,
                      FrmMain::PathSource settingsFilePath = SettingsFilePath,
                      SystemQueries system = {});
  ~MainWindow() override;

  // A request to start maximised shows the window normal: it has a fixed size. Tests stand in for
  // show: Windows applies a shortcut's start-up state to the first show, Wine does not.
  void Show(int showCommand, decltype(&ShowWindow) show = ShowWindow);
  // Until the window is closed; gives the exit code. Tab and Alt+S come from IsDialogMessageW.
  int RunMessageLoop();
  HWND Handle() const { return window_; }
  HWND Handle(layout::ControlId id) const { return GetDlgItem(window_, DialogId(id)); }

  std::string Title() const override { return WindowText(window_); }
  void SetTitle(const std::string& title) override { SetWindowTextUtf8(window_, title); }
  WindowState State() const override {
    if (IsIconic(window_)) return WindowState::Minimised;
    return IsZoomed(window_) ? WindowState::Maximised : WindowState::Normal;
  }
  void PinTopLeft() override { SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE); }
  void ShowWarning(const std::string& message) override;

 private:
  using Parts = FrmMainParts<TextBox, Button, ReadOut, Timer>;

  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  void OnCreate();
  void RestoreFocus() const;
  bool OnCtlColorStatic(HDC dc, HWND control) const;

  // Sizes the window and places every control for dpi; moves the window only to a given corner.
  void ApplyLayout(UINT dpi, std::optional<POINT> topLeft);

  HWND window_ = nullptr;
  FrmMain::Clock clock_;
  FrmMain::PathSource settingsFilePath_;
  SystemQueries system_;
  SpokenNames names_;
  std::array<UniqueFont, layout::kControlCount> fonts_;
  HWND focus_ = nullptr;
  std::unique_ptr<Parts> parts_;
  std::unique_ptr<FrmMain> frmMain_;
};

}  // namespace quorlane::win32
