// The floor Quorlane.exe's start-up under Wine is measured against: the same window built plainly
// with Win32 alone. The controls, texts and colours from the layout table, the message font and
// "ＭＳ Ｐゴシック" for the read-outs, the program's icon and manifest, a timer that rewrites both
// read-outs every second; no settings, no window logic, no DPI changes.
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <string_view>
#include <vector>

#include "window/placement.h"

namespace {

namespace layout = quorlane::layout;

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr int kIconId = 1;
constexpr UINT_PTR kTimerId = 1;
constexpr int kTwipsPerPoint = 20;
// About the benchmarks' meeting: 5 attendees at 5,000 yen an hour.
constexpr int kYenPerSecond = 7;

struct ReadOut {
  HWND label;
  COLORREF colour;
};
std::vector<ReadOut> readOuts;  // time, then cost, as in the table
int seconds = 0;

std::wstring Wide(std::string_view text) {
  std::wstring wide(text.size(), L'\0');
  wide.resize(static_cast<std::size_t>(
      MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                          static_cast<int>(wide.size()))));
  return wide;
}

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

const wchar_t* ClassOf(layout::Kind kind, DWORD& style, DWORD& exStyle) {
  switch (kind) {
    case layout::Kind::Frame:
      style = BS_GROUPBOX;
      return WC_BUTTONW;
    case layout::Kind::TextBox:
      style = ES_AUTOHSCROLL | WS_TABSTOP;
      exStyle = WS_EX_CLIENTEDGE;
      return WC_EDITW;
    case layout::Kind::Button:
      style = BS_PUSHBUTTON | WS_TABSTOP;
      return WC_BUTTONW;
    case layout::Kind::Label:
      break;
  }
  return WC_STATICW;
}

void CreateControls(HWND window) {
  const int dpi = ScreenDpi();
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
  HFONT messageFont = CreateFontIndirectW(&metrics.lfMessageFont);
  for (const layout::Control& control : layout::kControls) {
    DWORD style = control.align == layout::Align::Right ? SS_RIGHT : SS_LEFT;
    DWORD exStyle = 0;
    const wchar_t* className = ClassOf(control.kind, style, exStyle);
    const layout::Rect box = layout::PixelBox(control.id, dpi, layout::Origin::Client);
    HWND handle = CreateWindowExW(exStyle, className, Wide(control.text).c_str(),
                                  WS_CHILD | WS_VISIBLE | style, box.left, box.top, box.width,
                                  box.height, window, nullptr, nullptr, nullptr);
    HFONT font = messageFont;
    if (control.font) {
      font = CreateFontW(
          -layout::TwipsToPixels(static_cast<int>(control.font->points * kTwipsPerPoint), dpi), 0,
          0, 0, control.font->weight, FALSE, FALSE, FALSE,
          static_cast<DWORD>(control.font->charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
          DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, Wide(control.font->face).c_str());
      const layout::Rgb colour = control.color.value_or(layout::Rgb{0, 0, 0});
      readOuts.push_back({handle, RGB(colour.red, colour.green, colour.blue)});
    }
    SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
}

void Tick() {
  ++seconds;
  wchar_t text[32];
  wsprintfW(text, L"%02d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60);
  SetWindowTextW(readOuts.front().label, text);
  wsprintfW(text, L"%d円", seconds * kYenPerSecond);
  SetWindowTextW(readOuts.back().label, text);
}

// The read-outs in their colours; the other controls as the system draws them.
HBRUSH ColourReadOut(HDC dc, HWND label) {
  for (const ReadOut& readOut : readOuts) {
    if (readOut.label != label) continue;
    SetTextColor(dc, readOut.colour);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return GetSysColorBrush(COLOR_BTNFACE);
  }
  return nullptr;
}

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) {
    CreateControls(window);
    SetTimer(window, kTimerId, layout::kTickMilliseconds, nullptr);
  } else if (message == WM_TIMER) {
    Tick();
  } else if (message == WM_DESTROY) {
    PostQuitMessage(0);
  } else if (message == WM_CTLCOLORSTATIC) {
    if (HBRUSH brush =
            ColourReadOut(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam))) {
      return reinterpret_cast<LRESULT>(brush);
    }
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&classes);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProcedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kIconId));
  windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconId),
                                                      IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                      GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = L"Floor";
  RegisterClassExW(&windowClass);
  const int dpi = ScreenDpi();
  const layout::Size client = layout::ClientPixels(dpi);
  RECT outer{0, 0, client.width, client.height};
  AdjustWindowRectEx(&outer, kStyle, FALSE, 0);
  HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"Quorlane", kStyle, CW_USEDEFAULT,
                                CW_USEDEFAULT, outer.right - outer.left, outer.bottom - outer.top,
                                nullptr, nullptr, instance, nullptr);
  ShowWindow(window, showCommand);
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (IsDialogMessageW(window, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
