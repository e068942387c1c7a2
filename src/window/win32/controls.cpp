#include "window/win32/controls.h"

#include <cmath>
#include <utility>

#include "settings/wide_text.h"
#include "window/placement.h"
#include "window/read_out_fit.h"

namespace quorlane::win32 {

namespace {

constexpr int kPointsPerInch = 72;

}  // namespace

void Timer::SetEnabled(bool enabled) {
  if (enabled) {
    SetTimer(window_, id_, interval_, nullptr);
  } else {
    KillTimer(window_, id_);
  }
}

ReadOut::ReadOut(HWND label, layout::ControlId id, const SpokenNames& names, std::wstring face)
    : ReadOutControl(id),
      label_(label),
      id_(id),
      names_(names),
      face_(std::move(face)),
      text_(Widen(layout::ControlAt(id).text)) {}

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
  if (dpi_ != 0) Fit();  // before that, the first layout fits it
  HWND parent = GetParent(label_);
  RECT box{};
  GetWindowRect(label_, &box);
  MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&box), 2);
  RedrawWindow(parent, &box, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
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
                                face_.c_str()));
}

std::wstring ReadOutFace(bool (*installed)(const wchar_t* face)) {
  for (const std::string_view name : {layout::kReadOutFace, layout::kReadOutFaceInEnglish}) {
    std::wstring face = Widen(name);
    if (installed(face.c_str())) return face;
  }
  return Widen(layout::kReadOutFace);
}

}  // namespace quorlane::win32
