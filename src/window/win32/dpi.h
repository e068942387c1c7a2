#pragma once

#include <windows.h>

// Sizes at a window's dots per inch. The per-monitor calls exist from Windows 10 (1607) on; on
// older systems the program falls back to the system's DPI, which is then every window's.
namespace quorlane::win32 {

UINT WindowDpi(HWND window);
// The outer size of a window of this style whose client area is width x height pixels.
SIZE WindowSizeForClient(int width, int height, DWORD style, DWORD exStyle, UINT dpi);
// The desktop's message font, the one dialogs use, scaled to dpi.
LOGFONTW MessageFont(UINT dpi);

}  // namespace quorlane::win32
