#include <windows.h>

#include <commctrl.h>

#include "window/win32/main_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  // Version 6 of the common controls (from the manifest) draws the controls in the system's style.
  const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&classes);
  quorlane::win32::MainWindow window(instance);
  window.Show(showCommand);
  return window.RunMessageLoop();
}
