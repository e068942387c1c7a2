#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include "window/win32/main_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  // Version 6 of the common controls (from the manifest) draws the controls in the system's style.
  const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&classes);
  // COM for the controls' spoken names; without it they keep the names of their texts.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  int exitCode = 0;
  {
    quorlane::win32::MainWindow window(instance);
    window.Show(showCommand);
    exitCode = window.RunMessageLoop();
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return exitCode;
}
