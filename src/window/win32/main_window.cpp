#include "window/win32/main_window.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>

#include "settings/wide_text.h"
#include "window/caption_fit.h"
#include "window/placement.h"
#include "window/read_out_colour.h"

namespace quorlane::win32 {

namespace {

using layout::ControlId;

constexpr wchar_t kClassName[] = L"FrmMain";
constexpr UINT_PTR kTimerId = 1;
constexpr UINT kWindowShown = WM_APP + 1;

// Fixed single border, system menu and minimise; without a sizing border or a maximise box the
// user can neither resize nor maximise it. WS_EX_CONTROLPARENT lets IsDialogMessageW walk the
// controls for Tab and the access keys.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;

// In the order of layout::Kind: Frame, Label, TextBox, Button.
constexpr struct {
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
} kNativeKinds[] = {{WC_BUTTONW, BS_GROUPBOX, 0},
                    {WC_STATICW, SS_NOPREFIX, 0},
                    {WC_EDITW, ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE},
                    {WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP, 0}};

// Win32 tabs through the controls in the order they were made: the table's.
static_assert(std::ranges::is_sorted(layout::kFocusOrder));

// The read-out face by a name this Windows knows: Japanese Windows lists it by its Japanese name,
// others by its English one. With neither, the Japanese name leaves the choice to the font mapper.
std::wstring ReadOutFace(bool (*installed)(const wchar_t* face)) {
  std::wstring japanese = Widen(layout::kReadOutFace);
  std::wstring english = Widen(layout::kReadOutFaceInEnglish);
  return !installed(japanese.c_str()) && installed(english.c_str()) ? english : japanese;
}

// The message font for a control; for a caption it would cut, smaller.
UniqueFont ControlFont(HWND control, layout::ControlId id, const LOGFONTW& font, UINT dpi) {
  const double messagePoints = std::abs(font.lfHeight) * 72.0 / dpi;  // 72 points an inch
  const double points = layout::CaptionPointSize(
      id, messagePoints, static_cast<int>(dpi), [&](std::string_view text, double size) {
        return TextWidth(control, FontAt(font, size, dpi).get(), Widen(text), true);
      });
  return points < messagePoints ? FontAt(font, points, dpi)
                                : UniqueFont(CreateFontIndirectW(&font));
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, FrmMain::Clock clock,
                       FrmMain::PathSource settingsFilePath, SystemQueries system)
    : clock_(std::move(clock)),
      settingsFilePath_(std::move(settingsFilePath)),
      system_(system),
      names_(system.annotationService) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = WindowProcedure;
  windowClass.hInstance = instance;
  // The first icon group in the resources, the file's; Windows takes the small one from it too.
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = kClassName;
  RegisterClassW(&windowClass);  // or a second window finds it there already
  if (CreateWindowExW(kExStyle, kClassName, Widen(layout::kTitle).c_str(), kStyle, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance,
                      this) == nullptr) {
    const std::string error =
        "ウィンドウを作成できませんでした。(エラー " + std::to_string(GetLastError()) + ")";
    MessageBoxW(nullptr, Widen(error).c_str(), Widen(layout::kTitle).c_str(), MB_ICONERROR);
    std::exit(EXIT_FAILURE);
  }
}

MainWindow::~MainWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
}

void MainWindow::Show(int showCommand, decltype(&ShowWindow) show) {
  const bool maximise = showCommand == SW_SHOWMAXIMIZED || showCommand == SW_MAXIMIZE;
  show(window_, maximise ? SW_SHOWNORMAL : showCommand);
  // Windows may still take a shortcut's maximise from the start-up info at the first show.
  if (IsZoomed(window_)) show(window_, SW_RESTORE);
  UpdateWindow(window_);
}

int MainWindow::RunMessageLoop() {
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageW(window_, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  return static_cast<int>(message.wParam);
}

// Messages reach the object from WM_NCCREATE on; it destroys the window while its members stand.
LRESULT CALLBACK MainWindow::WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  const LRESULT result = self->HandleMessage(message, wParam, lParam);
  if (message == WM_NCDESTROY) self->window_ = nullptr;  // the last message
  return result;
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      OnCreate();
      return 0;
    case WM_ACTIVATE:  // Windows activates a window from the taskbar before it restores it
      if (LOWORD(wParam) == WA_INACTIVE)
        focus_ = GetFocus();
      else if (HIWORD(wParam) == 0)
        RestoreFocus();
      return 0;
    case WM_SETFOCUS:  // which the restore then sends
      RestoreFocus();
      return 0;
    case WM_COMMAND:
      // Enter comes as IDOK, from no control: a window that is not a dialog has no default button,
      // so the focused push button takes it, as in a dialog.
      if (LOWORD(wParam) == IDOK) {
        HWND focus = GetFocus();
        if (SendMessageW(focus, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))
          SendMessageW(focus, BM_CLICK, 0, 0);
      } else if (LOWORD(wParam) == DialogId(ControlId::btnStart) && HIWORD(wParam) == BN_CLICKED) {
        frmMain_->btnStart_Click();
      }
      return 0;
    case WM_CTLCOLORSTATIC:
      if (OnCtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
        return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
      break;
    case WM_DPICHANGED:  // at the place Windows suggests: the top-left corner of the RECT
      ApplyLayout(HIWORD(wParam), *reinterpret_cast<const POINT*>(lParam));
      return 0;
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE:  // high contrast or the face, and the labels' colours with them
      RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
      break;
    case WM_SHOWWINDOW:  // the warnings come once the window is drawn, as windows above it
      if (wParam != FALSE) PostMessageW(window_, kWindowShown, 0, 0);
      break;
    case kWindowShown:
      if (names_.Start()) {  // the names screen readers hear, and the read-outs' figures as values
        for (const layout::Control& control : layout::kControls) {
          HWND handle = Handle(control.id);
          names_.SetName(handle, layout::SpokenName(control.id));
          if (layout::TextIsValue(control.id)) names_.SetValue(handle, WindowText(handle));
        }
      }
      frmMain_->WindowShown();
      return 0;
    case WM_SIZE:  // also on minimise and restore, which are size changes in Win32
      frmMain_->Form_Resize();
      return 0;
    case WM_TIMER:
      if (wParam == kTimerId) parts_->Tick(*frmMain_);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

// The controls in the table's order. The handlers' first WM_SIZE comes from the layout, after
// Form_Load has taken the title; Form_Load may have pinned the window on a screen of another DPI.
void MainWindow::OnCreate() {
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_, GWLP_HINSTANCE));
  for (const layout::Control& control : layout::kControls) {
    const auto& kind = kNativeKinds[static_cast<std::size_t>(control.kind)];
    const DWORD align = control.align == layout::Align::Right ? SS_RIGHT : 0;
    CreateWindowExW(kind.exStyle, kind.className, Widen(control.text).c_str(),
                    WS_CHILD | WS_VISIBLE | kind.style | align, 0, 0, 0, 0, window_,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(DialogId(control.id))), instance,
                    nullptr);
  }
  SendMessageW(Handle(ControlId::txtMemnberCount), EM_SETLIMITTEXT, 0, 0);  // all it can hold
  const std::wstring face = ReadOutFace(system_.faceInstalled);
  parts_ = std::make_unique<Parts>(
      TextBox(Handle(ControlId::txtMemnberCount)), Button(Handle(ControlId::btnStart), names_),
      ReadOut(Handle(ControlId::lblTime), ControlId::lblTime, names_, face),
      ReadOut(Handle(ControlId::lblCost), ControlId::lblCost, names_, face),
      Timer(window_, kTimerId));
  frmMain_ = std::make_unique<FrmMain>(parts_->Bind(*this), clock_, settingsFilePath_);
  frmMain_->Form_Load();
  ApplyLayout(system_.windowDpi(window_), std::nullopt);
}

// The focus back where it was, the first time to the first control in tab order, as in a dialog.
void MainWindow::RestoreFocus() const {
  const bool usable = focus_ != nullptr && IsWindowEnabled(focus_) && IsChild(window_, focus_);
  SetFocus(usable ? focus_ : GetNextDlgTabItem(window_, nullptr, FALSE));
}

// Labels draw only their text: the box of lblCost reaches into the box of the label before it, and
// neither may blot out the other's text. Their colours suit the window's face.
bool MainWindow::OnCtlColorStatic(HDC dc, HWND control) const {
  const auto index = static_cast<std::size_t>(GetDlgCtrlID(control) - DialogId(ControlId{}));
  if (index >= layout::kControlCount || layout::kControls[index].kind != layout::Kind::Label)
    return false;
  const auto rgb = [](int element) {
    const COLORREF colour = GetSysColor(element);
    return layout::Rgb{GetRValue(colour), GetGValue(colour), GetBValue(colour)};
  };
  const layout::Rgb text = LabelTextColour(layout::kControls[index], rgb(COLOR_BTNFACE),
                                           rgb(COLOR_WINDOWTEXT), system_.highContrast());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(text.red, text.green, text.blue));
  return true;
}

void MainWindow::ShowWarning(const std::string& message) {
  MessageBoxW(window_, Widen(message).c_str(), Widen(layout::kTitle).c_str(), MB_ICONWARNING);
}

// The desktop's message font, the one dialogs use, for every control but the read-outs; smaller
// for a caption it would cut.
void MainWindow::ApplyLayout(UINT dpi, std::optional<POINT> topLeft) {
  const layout::Size client = layout::ClientPixels(static_cast<int>(dpi));
  RECT outer{0, 0, client.width, client.height};
  AdjustWindowRectExForDpi(&outer, kStyle, FALSE, kExStyle, dpi);
  SetWindowPos(window_, nullptr, topLeft ? topLeft->x : 0, topLeft ? topLeft->y : 0,
               outer.right - outer.left, outer.bottom - outer.top,
               SWP_NOZORDER | SWP_NOACTIVATE | (topLeft ? 0 : SWP_NOMOVE));
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0, dpi);
  for (const layout::Control& control : layout::kControls) {
    const layout::Rect box =
        layout::PixelBox(control.id, static_cast<int>(dpi), layout::Origin::Client);
    HWND handle = Handle(control.id);
    SetWindowPos(handle, nullptr, box.left, box.top, box.width, box.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (control.font) continue;
    UniqueFont font = ControlFont(handle, control.id, metrics.lfMessageFont, dpi);
    SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    fonts_[static_cast<std::size_t>(control.id)] = std::move(font);  // the old one once unused
  }
  parts_->lblTime.Rescale(dpi);
  parts_->lblCost.Rescale(dpi);
}

}  // namespace quorlane::win32
