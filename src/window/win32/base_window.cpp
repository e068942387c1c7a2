#include "window/win32/base_window.h"

#include <cstdlib>
#include <string>

#include "settings/wide_text.h"
#include "window/layout.h"

namespace quorlane::win32 {

namespace {

// The first icon group in the program's resources: the file's icon and the window's.
constexpr int kIconId = 1;

}  // namespace

void Fail(const wchar_t* what) {
  const std::wstring message = what + Widen("(エラー " + std::to_string(GetLastError()) + ")");
  MessageBoxW(nullptr, message.c_str(), Widen(layout::kTitle).c_str(), MB_OK | MB_ICONERROR);
  std::exit(EXIT_FAILURE);
}

void RegisterWindowClass(HINSTANCE instance, const wchar_t* className, WNDPROC procedure) {
  const auto icon = [instance](int width, int height) {
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconId), IMAGE_ICON,
                                         GetSystemMetrics(width), GetSystemMetrics(height),
                                         LR_SHARED));
  };
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = icon(SM_CXICON, SM_CYICON);
  windowClass.hIconSm = icon(SM_CXSMICON, SM_CYSMICON);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = className;
  // A second window in the same process finds its class there already.
  if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    Fail(L"ウィンドウクラスを登録できませんでした。");
  }
}

}  // namespace quorlane::win32
