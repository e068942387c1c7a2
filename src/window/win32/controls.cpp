#include "window/win32/controls.h"

// The property and class ids of oleacc.h defined here rather than taken from a library.
#include <initguid.h>
#include <oleacc.h>

#include <algorithm>
#include <cmath>
#include <cwchar>
#include <utility>

#include "settings/wide_text.h"
#include "window/placement.h"
#include "window/read_out_fit.h"

namespace quorlane::win32 {

namespace {

// Looked up when first needed, so that the program starts without loading COM.
template <typename Function>
Function* Ole32(const char* name) {
  const FARPROC address = GetProcAddress(LoadLibraryW(L"ole32.dll"), name);
  return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(address));
}

}  // namespace

std::string WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return Narrow(text);
}

void SetWindowTextUtf8(HWND window, std::string_view text) {
  SetWindowTextW(window, Widen(text).c_str());
}

bool HighContrastOn() {
  HIGHCONTRASTW highContrast{sizeof highContrast, 0, nullptr};
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof highContrast, &highContrast, 0) &&
         (highContrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

bool FaceInstalled(const wchar_t* face) {
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  std::wcsncpy(wanted.lfFaceName, face, LF_FACESIZE - 1);
  bool found = false;
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExW(
      screen, &wanted,
      [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM seen) {
        *reinterpret_cast<bool*>(seen) = true;
        return 0;
      },
      reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  return found;
}

IAccPropServices* AnnotationService() {
  IAccPropServices* service = nullptr;  // left null by a failed CoCreateInstance
  if (SUCCEEDED(
          Ole32<decltype(CoInitializeEx)>("CoInitializeEx")(nullptr, COINIT_APARTMENTTHREADED))) {
    Ole32<decltype(CoCreateInstance)>("CoCreateInstance")(
        CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
        reinterpret_cast<void**>(&service));
  }
  return service;
}

void SpokenNames::Annotate(HWND control, const GUID& property, std::string_view text) const {
  if (!service_) return;
  service_->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, property,
                           Widen(text).c_str());
}

void SpokenNames::Releaser::operator()(IAccPropServices* service) const {
  service->Release();
}

bool SpokenNames::Start() {
  if (service_) return false;
  service_.reset(makeService_());
  return service_ != nullptr;
}

void SpokenNames::SetName(HWND control, std::string_view name) const {
  Annotate(control, PROPID_ACC_NAME, name);
}

void SpokenNames::SetValue(HWND control, std::string_view value) const {
  Annotate(control, PROPID_ACC_VALUE, value);
  NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

UniqueFont FontAt(LOGFONTW font, double points, UINT dpi) {
  font.lfHeight = -static_cast<LONG>(std::lround(points * dpi / 72));  // 72 points an inch
  return UniqueFont(CreateFontIndirectW(&font));
}

int TextWidth(HWND control, HFONT font, std::wstring_view text, bool toInk) {
  HDC dc = GetDC(control);
  HGDIOBJ previous = SelectObject(dc, font);
  SIZE advance{};
  GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &advance);
  ABC last{};  // the blank after the last glyph is its C width
  if (toInk && !text.empty()) GetCharABCWidthsW(dc, text.back(), text.back(), &last);
  SelectObject(dc, previous);
  ReleaseDC(control, dc);
  return advance.cx - std::max(0, last.abcC);
}

ReadOut::ReadOut(HWND label, layout::ControlId id, const SpokenNames& names,
                 const std::wstring& face)
    : ReadOutControl(id),
      label_(label),
      id_(id),
      names_(names),
      text_(Widen(layout::ControlAt(id).text)) {
  design_.lfWeight = layout::ControlAt(id).font->weight;
  design_.lfCharSet = static_cast<BYTE>(layout::ControlAt(id).font->charset);
  face.copy(design_.lfFaceName, LF_FACESIZE - 1);
}

void ReadOut::Rescale(UINT dpi) {
  dpi_ = dpi;
  font_.reset();  // sizes in pixels change with the DPI
  Fit();
}

// The static would draw the new text at once, over the old one that its clear background leaves
// standing. The box is drawn afresh, with what lies beneath it, at the next WM_PAINT: once the tick
// is done, however often the tick wrote.
void ReadOut::Show(const std::string& caption) {
  text_ = Widen(caption);
  SendMessageW(label_, WM_SETREDRAW, FALSE, 0);
  SetWindowTextW(label_, text_.c_str());
  SendMessageW(label_, WM_SETREDRAW, TRUE, 0);
  if (dpi_ == 0) return;  // the first layout, before the window is shown, fits it
  Fit();
  const layout::Rect box = layout::PixelBox(id_, static_cast<int>(dpi_), layout::Origin::Client);
  const RECT area{box.left, box.top, box.left + box.width, box.top + box.height};
  RedrawWindow(GetParent(label_), &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// Every tick measures at the size already set: that font is reused, not made again.
void ReadOut::Fit() {
  const int boxWidth = layout::PixelBox(id_, static_cast<int>(dpi_), layout::Origin::Client).width;
  const double points =
      FittingPointSize(layout::ControlAt(id_).font->points, boxWidth, [this](double size) {
        const UniqueFont other = font_ && size == points_ ? nullptr : FontAt(design_, size, dpi_);
        return TextWidth(label_, other ? other.get() : font_.get(), text_, false);
      });
  if (font_ && points == points_) return;
  UniqueFont font = FontAt(design_, points, dpi_);
  SendMessageW(label_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
  font_ = std::move(font);
  points_ = points;
}

}  // namespace quorlane::win32
