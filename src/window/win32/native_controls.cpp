#include "window/win32/native_controls.h"

#include <windowsx.h>

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>

#include "settings/wide_text.h"
#include "window/caption_fit.h"
#include "window/creation_order.h"
#include "window/spoken.h"
#include "window/win32/dpi.h"
#include "window/win32/win32_controls.h"

namespace quorlane::win32 {

namespace {

struct NativeKind {
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
};
// In the order of layout::Kind: Frame, Label, TextBox, Button.
constexpr NativeKind kNativeKinds[] = {
    {WC_BUTTONW, BS_GROUPBOX, 0},
    {WC_STATICW, SS_NOPREFIX, 0},
    {WC_EDITW, ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE},
    {WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP, 0}};

// From where the text starts to its last glyph's ink: the advance less the blank after that glyph.
int InkWidth(HDC dc, const std::wstring& text) {
  SIZE advance{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &advance);
  ABC last{};
  if (text.empty() || !GetCharABCWidthsW(dc, text.back(), text.back(), &last)) return advance.cx;
  return advance.cx - std::max(0, last.abcC);
}

// A caption's own font where the message font would not let it show whole; else none.
UniqueFont FittedCaptionFont(HWND control, layout::ControlId id, LOGFONTW font, UINT dpi) {
  const double pixelsPerPoint = dpi / 72.0;
  const double messagePoints = std::abs(font.lfHeight) / pixelsPerPoint;
  const auto fontAt = [&font, pixelsPerPoint](double points) {
    font.lfHeight = -std::lround(points * pixelsPerPoint);
    return UniqueFont(CreateFontIndirectW(&font));
  };
  HDC dc = GetDC(control);
  const double points = layout::CaptionPointSize(
      id, messagePoints, static_cast<int>(dpi), [&](std::string_view text, double size) {
        const UniqueFont measured = fontAt(size);
        HGDIOBJ previous = SelectObject(dc, measured.get());
        const int width = InkWidth(dc, Widen(text));
        SelectObject(dc, previous);
        return width;
      });
  ReleaseDC(control, dc);
  return points < messagePoints ? fontAt(points) : nullptr;
}

}  // namespace

NativeControls::NativeControls(HWND parent) {
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
  for (const layout::ControlId id : layout::kCreationOrder) {
    const layout::Control& control = layout::ControlAt(id);
    const NativeKind& kind = kNativeKinds[static_cast<std::size_t>(control.kind)];
    const DWORD align = control.align == layout::Align::Right ? SS_RIGHT : 0;
    handles_[static_cast<std::size_t>(id)] = CreateWindowExW(
        kind.exStyle, kind.className, Widen(control.text).c_str(),
        WS_CHILD | WS_VISIBLE | kind.style | align, 0, 0, 0, 0, parent, nullptr, instance, nullptr);
  }
  Edit_LimitText(Handle(layout::ControlId::txtMemnberCount), 0);  // as much as the box can hold
}

void NativeControls::GiveSpokenNames() const {
  for (const layout::Control& control : layout::kControls) {
    SetSpokenName(Handle(control.id), layout::SpokenName(control.id));
    if (layout::TextIsValue(control.id)) {
      SetSpokenValue(Handle(control.id), WindowText(Handle(control.id)));
    }
  }
}

void NativeControls::Place(UINT dpi) {
  const LOGFONTW messageFont = MessageFont(dpi);
  UniqueFont font(CreateFontIndirectW(&messageFont));
  std::array<UniqueFont, layout::kControlCount> captionFonts;
  for (const layout::Control& control : layout::kControls) {
    const layout::Rect box =
        layout::PixelBox(control.id, static_cast<int>(dpi), layout::Origin::Client);
    HWND handle = Handle(control.id);
    SetWindowPos(handle, nullptr, box.left, box.top, box.width, box.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (control.font) continue;
    UniqueFont& own = captionFonts[static_cast<std::size_t>(control.id)];
    if (layout::IsCaption(control)) own = FittedCaptionFont(handle, control.id, messageFont, dpi);
    SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(own ? own.get() : font.get()), TRUE);
  }
  // The old fonts only once no control uses them.
  messageFont_ = std::move(font);
  captionFonts_ = std::move(captionFonts);
}

const layout::Control* NativeControls::Find(HWND handle) const {
  const auto found = std::ranges::find(handles_, handle);
  if (found == handles_.end()) return nullptr;
  return &layout::kControls[static_cast<std::size_t>(found - handles_.begin())];
}

}  // namespace quorlane::win32
