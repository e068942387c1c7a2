#include "window/win32/read_out.h"

#include <cmath>
#include <utility>

#include "settings/wide_text.h"
#include "window/placement.h"
#include "window/read_out_fit.h"
#include "window/win32/win32_controls.h"

namespace quorlane::win32 {

namespace {

constexpr int kPointsPerInch = 72;

}  // namespace

ReadOut::ReadOut(HWND label, layout::ControlId id, UINT dpi)
    : label_(label), id_(id), dpi_(dpi), text_(Widen(layout::ControlAt(id).text)) {
  Fit();
}

void ReadOut::SetCaption(const std::string& caption) {
  std::wstring text = Widen(caption);
  if (text == text_) return;  // nothing new to draw
  text_ = std::move(text);
  SetWindowTextW(label_, text_.c_str());
  Fit();
  Repaint();
}

void ReadOut::AnnounceChange() {
  if (text_ == std::exchange(announced_, text_)) return;
  SetSpokenValue(label_, Narrow(text_));
}

void ReadOut::Rescale(UINT dpi) {
  dpi_ = dpi;
  font_.reset();  // sizes in pixels change with the DPI
  Fit();
  Repaint();
}

// The label draws no background, so what lies beneath it is drawn afresh, then the labels on it, at
// once: left to the usual order of WM_PAINT the erase could come after the new text.
void ReadOut::Repaint() const {
  HWND parent = GetParent(label_);
  RECT box{};
  GetWindowRect(label_, &box);
  MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&box), 2);
  RedrawWindow(parent, &box, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void ReadOut::Fit() {
  const int boxWidth = layout::PixelBox(id_, static_cast<int>(dpi_), layout::Origin::Client).width;
  const double points = FittingPointSize(layout::ControlAt(id_).font->points, boxWidth,
                                         [this](double size) { return TextWidth(size); });
  if (font_ && points == points_) return;
  UniqueFont font = FontAt(points);
  SendMessageW(label_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
  font_ = std::move(font);
  points_ = points;
}

// Every tick measures at the size already set: that font is reused, not made again.
int ReadOut::TextWidth(double points) const {
  UniqueFont other;
  if (!font_ || points != points_) other = FontAt(points);
  HDC dc = GetDC(label_);
  HGDIOBJ previous = SelectObject(dc, other ? other.get() : font_.get());
  SIZE size{};
  GetTextExtentPoint32W(dc, text_.data(), static_cast<int>(text_.size()), &size);
  SelectObject(dc, previous);
  ReleaseDC(label_, dc);
  return size.cx;
}

UniqueFont ReadOut::FontAt(double points) const {
  const layout::Font& design = *layout::ControlAt(id_).font;
  const int height = -static_cast<int>(std::lround(points * dpi_ / kPointsPerInch));
  return UniqueFont(CreateFontW(height, 0, 0, 0, design.weight, FALSE, FALSE, FALSE,
                                static_cast<DWORD>(design.charset), OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                Widen(design.face).c_str()));
}

}  // namespace quorlane::win32
