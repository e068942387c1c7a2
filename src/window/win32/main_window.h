#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "window/controls.h"
#include "window/frm_main.h"
#include "window/layout.h"
#include "window/win32/dpi.h"

namespace quorlane::win32 {

struct Win32Controls;

// The main window in Win32: creates the native controls from the layout data, adapts them to the
// control interfaces and forwards window messages to FrmMain's handlers. The window procedure only
// unpacks a message and calls its On<Message> handler.
class MainWindow final : private FormControl {
 public:
  // Creates the window and its controls and runs Form_Load; the window is not shown yet.
  explicit MainWindow(HINSTANCE instance);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  void Show(int showCommand);
  // Until the window is closed; gives the exit code. Tab and Alt+S come from IsDialogMessageW.
  int RunMessageLoop();

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  void OnCreate();
  void OnActivate(bool active, bool minimised);
  void OnCommand(int id, int code);
  HBRUSH OnCtlColorStatic(HDC dc, HWND control) const;
  void OnDpiChanged(UINT dpi, const RECT& suggested);
  void OnShowWindow(bool shown);
  void OnShowWarnings();
  void OnSize();
  void OnTimer();

  std::string Title() const override;
  void SetTitle(const std::string& title) override;
  WindowState State() const override;
  void PinTopLeft() override;
  void ShowWarning(const std::string& message) override;

  void CreateControls();
  // Places the window and every control, and sets their fonts, for dpi.
  void ApplyLayout(UINT dpi, const POINT* topLeft);
  HWND Handle(layout::ControlId name) const;
  void QueueWarnings();

  HWND window_ = nullptr;
  std::array<HWND, layout::kControls.size()> handles_{};
  UniqueFont messageFont_;
  HWND focus_ = nullptr;
  std::unique_ptr<Win32Controls> controls_;
  std::unique_ptr<FrmMain> frmMain_;
  std::vector<std::wstring> pendingWarnings_;
};

}  // namespace quorlane::win32
