#include "window/win32/main_window.h"

#include <windowsx.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "window/placement.h"
#include "window/spoken.h"
#include "window/win32/accessibility.h"
#include "window/win32/dpi.h"
#include "window/win32/text.h"

namespace quorlane::win32 {

namespace {

using layout::ControlId;

constexpr wchar_t kClassName[] = L"FrmMain";
// The first icon group in the program's resources: the file's icon and the window's.
constexpr int kIconId = 1;
constexpr UINT_PTR kTimerId = 1;
constexpr UINT kWindowShown = WM_APP + 1;

// Fixed single border, system menu and minimise; without a sizing border or a maximise box the
// user can neither resize nor maximise it.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
// Lets IsDialogMessageW walk the controls for Tab and the access keys.
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;

struct NativeKind {
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
};

NativeKind NativeKindOf(const layout::Control& control) {
  switch (control.kind) {
    case layout::Kind::Frame:
      return {WC_BUTTONW, BS_GROUPBOX, 0};
    case layout::Kind::TextBox:
      return {WC_EDITW, ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case layout::Kind::Button:
      return {WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP, 0};
    case layout::Kind::Label:
      break;
  }
  const DWORD align = control.align == layout::Align::Right ? SS_RIGHT : SS_LEFT;
  return {WC_STATICW, SS_NOPREFIX | align, 0};
}

// Tab walks the controls in the order they were made: the table's order, with the controls that
// take the focus in the slots of its tab column.
constexpr std::array<ControlId, layout::kControlCount> CreationOrder() {
  std::array<ControlId, layout::kControlCount> order{};
  std::size_t focusable = 0;
  for (std::size_t i = 0; i < order.size(); ++i) {
    const layout::Control& control = layout::kControls[i];
    order[i] = layout::TakesFocus(control.kind) ? layout::kFocusOrder[focusable++] : control.id;
  }
  return order;
}

[[noreturn]] void Fail(const wchar_t* what) {
  const std::wstring message =
      std::wstring(what) + L"(エラー " + std::to_wstring(GetLastError()) + L")";
  MessageBoxW(nullptr, message.c_str(), Widen(layout::kTitle).c_str(), MB_OK | MB_ICONERROR);
  std::exit(EXIT_FAILURE);
}

void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
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
  windowClass.lpszClassName = kClassName;
  // A second window in the same process finds the class there already.
  if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    Fail(L"ウィンドウクラスを登録できませんでした。");
  }
}

bool HighContrastOn() {
  HIGHCONTRASTW highContrast{sizeof highContrast, 0, nullptr};
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof highContrast, &highContrast, 0) &&
         (highContrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, FrmMain::Clock clock,
                       FrmMain::PathSource settingsFilePath)
    : clock_(std::move(clock)), settingsFilePath_(std::move(settingsFilePath)) {
  RegisterWindowClass(instance, WindowProcedure);
  if (CreateWindowExW(kExStyle, kClassName, Widen(layout::kTitle).c_str(), kStyle, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance,
                      this) == nullptr) {
    Fail(L"ウィンドウを作成できませんでした。");
  }
}

MainWindow::~MainWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
}

void MainWindow::Show(int showCommand) {
  const bool maximise = showCommand == SW_SHOWMAXIMIZED || showCommand == SW_MAXIMIZE;
  ShowWindow(window_, maximise ? SW_SHOWNORMAL : showCommand);
  // Windows may still take a shortcut's maximise from the start-up info at the first show.
  if (IsZoomed(window_)) ShowWindow(window_, SW_RESTORE);
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
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->window_ = nullptr;
  }
  return result;
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      OnCreate();
      return 0;
    case WM_ACTIVATE:
      OnActivate(LOWORD(wParam) != WA_INACTIVE, HIWORD(wParam) != 0);
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), reinterpret_cast<HWND>(lParam), HIWORD(wParam));
      return 0;
    case WM_CTLCOLORSTATIC:
      if (HBRUSH brush =
              OnCtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam))) {
        return reinterpret_cast<LRESULT>(brush);
      }
      break;
    case WM_DPICHANGED:
      OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE:
      OnSettingChange();
      break;
    case WM_SHOWWINDOW:
      // The warnings come once the window has been drawn, as windows of their own above it.
      if (wParam != FALSE) PostMessageW(window_, kWindowShown, 0, 0);
      break;
    case kWindowShown:
      frmMain_->WindowShown();
      return 0;
    case WM_SIZE:  // also on minimise and restore, which are size changes in Win32
      frmMain_->Form_Resize();
      return 0;
    case WM_TIMER:
      if (wParam == kTimerId) frmMain_->tmrMain_Timer();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

// The handlers' first WM_SIZE comes from the layout, after Form_Load has taken the title.
void MainWindow::OnCreate() {
  CreateControls();
  const UINT dpi = WindowDpi(window_);
  const auto readOut = [&](ControlId id) { return ReadOut(Handle(id), id, dpi); };
  parts_ = std::make_unique<Parts>(
      TextBox(Handle(ControlId::txtMemnberCount)),
      Button(Handle(ControlId::btnStart), [this] { frmMain_->btnStart_Click(); }),
      readOut(ControlId::lblTime), readOut(ControlId::lblCost), Timer(window_, kTimerId));
  frmMain_ = std::make_unique<FrmMain>(parts_->Bind(*this), clock_, settingsFilePath_);
  highContrast_ = HighContrastOn();
  frmMain_->Form_Load();
  ApplyLayout(dpi, nullptr);
}

// The focus comes back to the control that had it; the first time, to the first in tab order.
void MainWindow::OnActivate(bool active, bool minimised) {
  if (!active) {
    focus_ = GetFocus();
  } else if (!minimised) {
    const bool usable = focus_ != nullptr && IsWindowEnabled(focus_) && IsChild(window_, focus_);
    SetFocus(usable ? focus_ : GetNextDlgTabItem(window_, nullptr, FALSE));
  }
}

// Enter comes as IDOK, from no control: a window that is not a dialog has no default button, so
// the focused push button takes it, as in a dialog.
void MainWindow::OnCommand(int id, HWND control, int code) {
  HWND focus = GetFocus();
  if (id == IDOK && control == nullptr &&
      (SendMessageW(focus, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON) != 0) {
    SendMessageW(focus, BM_CLICK, 0, 0);
    return;
  }
  parts_->btnStart.OnCommand(control, code);
}

COLORREF LabelTextColor(const layout::Control& label, bool highContrast) {
  if (!label.color || highContrast) return GetSysColor(COLOR_WINDOWTEXT);
  return RGB(label.color->red, label.color->green, label.color->blue);
}

// Labels draw only their text: the box of lblCost reaches into the box of the label before it, and
// neither may blot out the other's text.
HBRUSH MainWindow::OnCtlColorStatic(HDC dc, HWND control) const {
  const auto found = std::ranges::find(handles_, control);
  if (found == handles_.end()) return nullptr;
  const auto& label = layout::kControls[static_cast<std::size_t>(found - handles_.begin())];
  if (label.kind != layout::Kind::Label) return nullptr;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, LabelTextColor(label, highContrast_));
  return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

void MainWindow::OnDpiChanged(UINT dpi, const RECT& suggested) {
  const POINT topLeft{suggested.left, suggested.top};
  ApplyLayout(dpi, &topLeft);
}

void MainWindow::OnSettingChange() {
  const bool highContrast = HighContrastOn();
  if (highContrast == std::exchange(highContrast_, highContrast)) return;
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

std::string MainWindow::Title() const {
  return WindowText(window_);
}

void MainWindow::SetTitle(const std::string& title) {
  SetWindowTextW(window_, Widen(title).c_str());
}

WindowState MainWindow::State() const {
  if (IsIconic(window_)) return WindowState::Minimised;
  return IsZoomed(window_) ? WindowState::Maximised : WindowState::Normal;
}

void MainWindow::PinTopLeft() {
  SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE);
}

void MainWindow::ShowWarning(const std::string& message) {
  MessageBoxW(window_, Widen(message).c_str(), Widen(layout::kTitle).c_str(),
              MB_OK | MB_ICONWARNING);
}

void MainWindow::CreateControls() {
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_, GWLP_HINSTANCE));
  for (const ControlId id : CreationOrder()) {
    const layout::Control& control = layout::ControlAt(id);
    const NativeKind kind = NativeKindOf(control);
    HWND handle = CreateWindowExW(kind.exStyle, kind.className, Widen(control.text).c_str(),
                                  WS_CHILD | WS_VISIBLE | kind.style, 0, 0, 0, 0, window_, nullptr,
                                  instance, nullptr);
    handles_[static_cast<std::size_t>(id)] = handle;
    SetSpokenName(handle, layout::SpokenName(id));
  }
  Edit_LimitText(Handle(ControlId::txtMemnberCount), 0);  // as much as the box can hold
}

void MainWindow::ApplyLayout(UINT dpi, const POINT* topLeft) {
  const layout::Size client = layout::ClientPixels(static_cast<int>(dpi));
  const SIZE size = WindowSizeForClient(client.width, client.height, kStyle, kExStyle, dpi);
  SetWindowPos(window_, nullptr, topLeft ? topLeft->x : 0, topLeft ? topLeft->y : 0, size.cx,
               size.cy, SWP_NOZORDER | SWP_NOACTIVATE | (topLeft ? 0 : SWP_NOMOVE));
  const LOGFONTW messageFont = MessageFont(dpi);
  UniqueFont font(CreateFontIndirectW(&messageFont));
  for (const layout::Control& control : layout::kControls) {
    const layout::Rect box =
        layout::PixelBox(control.id, static_cast<int>(dpi), layout::Origin::Client);
    HWND handle = Handle(control.id);
    SetWindowPos(handle, nullptr, box.left, box.top, box.width, box.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (!control.font) SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
  }
  messageFont_ = std::move(font);
  parts_->lblTime.Rescale(dpi);
  parts_->lblCost.Rescale(dpi);
}

}  // namespace quorlane::win32
