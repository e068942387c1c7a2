#include "window/win32/main_window.h"

#include <utility>

#include "settings/wide_text.h"
#include "window/placement.h"
#include "window/read_out_colour.h"
#include "window/win32/dpi.h"

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

bool HighContrastOn() {
  HIGHCONTRASTW highContrast{sizeof highContrast, 0, nullptr};
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof highContrast, &highContrast, 0) &&
         (highContrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

}  // namespace

// The labels are drawn on the window's face.
COLORREF LabelTextColor(const layout::Control& label, bool highContrast) {
  const auto rgb = [](int index) {
    const COLORREF colour = GetSysColor(index);
    return layout::Rgb{GetRValue(colour), GetGValue(colour), GetBValue(colour)};
  };
  const layout::Rgb text =
      LabelTextColour(label, rgb(COLOR_BTNFACE), rgb(COLOR_WINDOWTEXT), highContrast);
  return RGB(text.red, text.green, text.blue);
}

MainWindow::MainWindow(HINSTANCE instance, FrmMain::Clock clock,
                       FrmMain::PathSource settingsFilePath)
    : clock_(std::move(clock)), settingsFilePath_(std::move(settingsFilePath)) {
  Create(instance, kClassName, Widen(layout::kTitle).c_str(), kStyle, kExStyle);
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
    case WM_DPICHANGED: {
      const auto* suggested = reinterpret_cast<const RECT*>(lParam);
      ApplyLayout(HIWORD(wParam), POINT{suggested->left, suggested->top});
      return 0;
    }
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE:
      OnSettingChange();
      break;
    case WM_SHOWWINDOW:
      // The warnings come once the window has been drawn, as windows of their own above it.
      if (wParam != FALSE) PostMessageW(window_, kWindowShown, 0, 0);
      break;
    case kWindowShown:
      if (StartSpokenNames()) controls_->GiveSpokenNames();
      frmMain_->WindowShown();
      return 0;
    case WM_SIZE:  // also on minimise and restore, which are size changes in Win32
      frmMain_->Form_Resize();
      return 0;
    case WM_TIMER:
      if (wParam == kTimerId) {
        frmMain_->tmrMain_Timer();
        parts_->lblTime.AnnounceChange();
        parts_->lblCost.AnnounceChange();
      }
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
  controls_.emplace(window_);
  const UINT dpi = WindowDpi(window_);
  parts_ = std::make_unique<Parts>(
      TextBox(controls_->Handle(ControlId::txtMemnberCount)),
      Button(controls_->Handle(ControlId::btnStart), [this] { frmMain_->btnStart_Click(); }),
      ReadOut(controls_->Handle(ControlId::lblTime), ControlId::lblTime, dpi),
      ReadOut(controls_->Handle(ControlId::lblCost), ControlId::lblCost, dpi),
      Timer(window_, kTimerId));
  frmMain_ = std::make_unique<FrmMain>(parts_->Bind(*this), clock_, settingsFilePath_);
  highContrast_ = HighContrastOn();
  frmMain_->Form_Load();
  ApplyLayout(dpi, std::nullopt);
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
  constexpr LRESULT kPushButton = DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON;
  if (id == IDOK && control == nullptr) {
    HWND focus = GetFocus();
    if (SendMessageW(focus, WM_GETDLGCODE, 0, 0) & kPushButton) SendMessageW(focus, BM_CLICK, 0, 0);
    return;
  }
  parts_->btnStart.OnCommand(control, code);
}

// Labels draw only their text: the box of lblCost reaches into the box of the label before it, and
// neither may blot out the other's text.
HBRUSH MainWindow::OnCtlColorStatic(HDC dc, HWND control) const {
  const layout::Control* label = controls_->Find(control);
  if (label == nullptr || label->kind != layout::Kind::Label) return nullptr;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, LabelTextColor(*label, highContrast_));
  return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

// High contrast, or the face's colour the read-outs' colours depend on, may have changed.
void MainWindow::OnSettingChange() {
  highContrast_ = HighContrastOn();
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

std::string MainWindow::Title() const {
  return WindowText(window_);
}

void MainWindow::SetTitle(const std::string& title) {
  SetWindowTextUtf8(window_, title);
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

void MainWindow::ApplyLayout(UINT dpi, std::optional<POINT> topLeft) {
  const layout::Size client = layout::ClientPixels(static_cast<int>(dpi));
  const SIZE size = WindowSizeForClient(client.width, client.height, kStyle, kExStyle, dpi);
  SetWindowPos(window_, nullptr, topLeft ? topLeft->x : 0, topLeft ? topLeft->y : 0, size.cx,
               size.cy, SWP_NOZORDER | SWP_NOACTIVATE | (topLeft ? 0 : SWP_NOMOVE));
  controls_->Place(dpi);
  parts_->lblTime.Rescale(dpi);
  parts_->lblCost.Rescale(dpi);
}

}  // namespace quorlane::win32
