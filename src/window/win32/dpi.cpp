#include "window/win32/dpi.h"

#include "window/win32/system_function.h"

namespace quorlane::win32 {

namespace {

// A user32 function that older Windows lacks, or null.
template <typename Function>
Function* OptionalUser32(const char* name) {
  return SystemFunction<Function>(L"user32.dll", name);
}

UINT SystemDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return static_cast<UINT>(dpi);
}

}  // namespace

UINT WindowDpi(HWND window) {
  static const auto getDpiForWindow = OptionalUser32<decltype(GetDpiForWindow)>("GetDpiForWindow");
  return getDpiForWindow != nullptr ? getDpiForWindow(window) : SystemDpi();
}

SIZE WindowSizeForClient(int width, int height, DWORD style, DWORD exStyle, UINT dpi) {
  static const auto adjustForDpi =
      OptionalUser32<decltype(AdjustWindowRectExForDpi)>("AdjustWindowRectExForDpi");
  RECT outer{0, 0, width, height};
  if (adjustForDpi != nullptr) {
    adjustForDpi(&outer, style, FALSE, exStyle, dpi);
  } else {
    AdjustWindowRectEx(&outer, style, FALSE, exStyle);
  }
  return {outer.right - outer.left, outer.bottom - outer.top};
}

LOGFONTW MessageFont(UINT dpi) {
  static const auto forDpi =
      OptionalUser32<decltype(SystemParametersInfoForDpi)>("SystemParametersInfoForDpi");
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (forDpi != nullptr) {
    forDpi(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0, dpi);
  } else {
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
    metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, static_cast<int>(dpi),
                                            static_cast<int>(SystemDpi()));
  }
  return metrics.lfMessageFont;
}

}  // namespace quorlane::win32
