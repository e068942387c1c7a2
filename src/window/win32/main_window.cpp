#include "window/win32/main_window.h"

#include <windowsx.h>

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "window/placement.h"
#include "window/win32/read_out.h"
#include "window/win32/text.h"
#include "window/win32/win32_controls.h"

namespace quorlane::win32 {

struct Win32Controls {
  TextBox txtMemnberCount;
  Button btnStart;
  ReadOut lblTime;
  ReadOut lblCost;
  Timer tmrMain;
};

namespace {

constexpr wchar_t kClassName[] = L"FrmMain";
// The first icon group in the program's resources: the file's icon and the window's.
constexpr int kIconId = 1;
// Away from IDOK and IDCANCEL, which IsDialogMessageW sends for Enter and Esc.
constexpr int kFirstControlId = 100;
constexpr UINT_PTR kTimerId = 1;
constexpr UINT kShowWarnings = WM_APP + 1;

// Fixed single border, system menu and minimise; without a sizing border or a maximise box the
// user can neither resize nor maximise it.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
// Lets IsDialogMessageW walk the controls for Tab and the access keys.
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;

std::size_t IndexOf(layout::ControlId id) {
  return static_cast<std::size_t>(id);
}

// In the client area: a frame's children are laid out from the frame's corner, but are children
// of the window itself, since a group box passes neither WM_COMMAND nor WM_CTLCOLOR* on.
RECT PixelBox(const layout::Control& control, UINT dpi) {
  const layout::Rect box =
      layout::PixelBox(control.id, static_cast<int>(dpi), layout::Origin::Client);
  return {box.left, box.top, box.left + box.width, box.top + box.height};
}

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

void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconId), IMAGE_ICON,
                                                    GetSystemMetrics(SM_CXICON),
                                                    GetSystemMetrics(SM_CYICON), LR_SHARED));
  windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconId),
                                                      IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                      GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = kClassName;
  RegisterClassExW(&windowClass);
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance) {
  RegisterWindowClass(instance, WindowProcedure);
  CreateWindowExW(kExStyle, kClassName, Widen(layout::kTitle).c_str(), kStyle, CW_USEDEFAULT,
                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, this);
  const UINT dpi = WindowDpi(window_);
  const auto readOut = [&](layout::ControlId name) {
    const std::size_t index = IndexOf(name);
    const RECT box = PixelBox(layout::kControls[index], dpi);
    return ReadOut(handles_[index], *layout::kControls[index].font, box.right - box.left, dpi);
  };
  controls_ = std::make_unique<Win32Controls>(
      TextBox(Handle(layout::ControlId::txtMemnberCount)),
      Button(Handle(layout::ControlId::btnStart)), readOut(layout::ControlId::lblTime),
      readOut(layout::ControlId::lblCost), Timer(window_, kTimerId));
  frmMain_ = std::make_unique<FrmMain>(FrmMainControls{*this, controls_->txtMemnberCount,
                                                       controls_->btnStart, controls_->lblTime,
                                                       controls_->lblCost, controls_->tmrMain});
  frmMain_->Form_Load();
}

MainWindow::~MainWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
}

void MainWindow::Show(int showCommand) {
  ShowWindow(window_, showCommand);
  UpdateWindow(window_);
  // The WM_SIZE of creation came before Form_Load; for the handlers the first show is the first
  // resize, whether or not ShowWindow sends another.
  OnSize();
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
      OnCommand(LOWORD(wParam), HIWORD(wParam));
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
    case WM_SHOWWINDOW:
      OnShowWindow(wParam != FALSE);
      break;
    case kShowWarnings:
      OnShowWarnings();
      return 0;
    case WM_SIZE:
      OnSize();
      return 0;
    case WM_TIMER:
      if (wParam == kTimerId) OnTimer();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

void MainWindow::OnCreate() {
  CreateControls();
  ApplyLayout(WindowDpi(window_), nullptr);
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

void MainWindow::OnCommand(int id, int code) {
  if (code == BN_CLICKED &&
      id == kFirstControlId + static_cast<int>(IndexOf(layout::ControlId::btnStart))) {
    frmMain_->btnStart_Click();
  }
}

// Labels draw only their text, as on the other front ends: the box of lblCost reaches into the box
// of the label before it, and neither may blot out the other's text.
HBRUSH MainWindow::OnCtlColorStatic(HDC dc, HWND control) const {
  const auto found = std::ranges::find(handles_, control);
  if (found == handles_.end()) return nullptr;
  const layout::Control& label =
      layout::kControls[static_cast<std::size_t>(found - handles_.begin())];
  if (label.kind != layout::Kind::Label) return nullptr;
  SetBkMode(dc, TRANSPARENT);
  if (label.color) SetTextColor(dc, RGB(label.color->red, label.color->green, label.color->blue));
  return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

void MainWindow::OnDpiChanged(UINT dpi, const RECT& suggested) {
  const POINT topLeft{suggested.left, suggested.top};
  ApplyLayout(dpi, &topLeft);
}

void MainWindow::OnShowWindow(bool shown) {
  if (shown) frmMain_->WindowShown();
}

void MainWindow::OnShowWarnings() {
  const std::wstring caption = Widen(layout::kTitle);
  for (const std::wstring& message : std::exchange(pendingWarnings_, {})) {
    MessageBoxW(window_, message.c_str(), caption.c_str(), MB_OK | MB_ICONWARNING);
  }
}

// Also on minimise and restore, which are size changes in Win32.
void MainWindow::OnSize() {
  if (frmMain_) frmMain_->Form_Resize();
}

void MainWindow::OnTimer() {
  frmMain_->tmrMain_Timer();
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
  pendingWarnings_.push_back(Widen(message));
  QueueWarnings();
}

// In table order, so each label comes before the box it names and the tab order follows.
void MainWindow::CreateControls() {
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_, GWLP_HINSTANCE));
  for (std::size_t i = 0; i < layout::kControls.size(); ++i) {
    const layout::Control& control = layout::kControls[i];
    const NativeKind kind = NativeKindOf(control);
    handles_[i] = CreateWindowExW(
        kind.exStyle, kind.className, Widen(control.text).c_str(),
        WS_CHILD | WS_VISIBLE | kind.style, 0, 0, 0, 0, window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + static_cast<int>(i))),
        instance, nullptr);
  }
  Edit_LimitText(Handle(layout::ControlId::txtMemnberCount), 0);  // as much as the box can hold
}

void MainWindow::ApplyLayout(UINT dpi, const POINT* topLeft) {
  const SIZE size =
      WindowSizeForClient(TwipsToPixels(layout::kClientWidth, dpi),
                          TwipsToPixels(layout::kClientHeight, dpi), kStyle, kExStyle, dpi);
  SetWindowPos(window_, nullptr, topLeft ? topLeft->x : 0, topLeft ? topLeft->y : 0, size.cx,
               size.cy, SWP_NOZORDER | SWP_NOACTIVATE | (topLeft ? 0 : SWP_NOMOVE));
  const LOGFONTW messageFont = MessageFont(dpi);
  UniqueFont font(CreateFontIndirectW(&messageFont));
  for (std::size_t i = 0; i < layout::kControls.size(); ++i) {
    const RECT box = PixelBox(layout::kControls[i], dpi);
    SetWindowPos(handles_[i], nullptr, box.left, box.top, box.right - box.left,
                 box.bottom - box.top, SWP_NOZORDER | SWP_NOACTIVATE);
    if (!layout::kControls[i].font) {
      SendMessageW(handles_[i], WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    }
  }
  messageFont_ = std::move(font);
  if (controls_) {
    for (auto [readOut, name] : {std::pair{&controls_->lblTime, layout::ControlId::lblTime},
                                 std::pair{&controls_->lblCost, layout::ControlId::lblCost}}) {
      const RECT box = PixelBox(layout::kControls[IndexOf(name)], dpi);
      readOut->Rescale(box.right - box.left, dpi);
    }
  }
}

HWND MainWindow::Handle(layout::ControlId name) const {
  return handles_[IndexOf(name)];
}

void MainWindow::QueueWarnings() {
  if (!pendingWarnings_.empty()) PostMessageW(window_, kShowWarnings, 0, 0);
}

}  // namespace quorlane::win32
