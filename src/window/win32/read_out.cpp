#include "window/win32/read_out.h"

#include <cmath>

#include "window/read_out_fit.h"
#include "window/win32/text.h"

namespace quorlane::win32 {

namespace {

constexpr int kPointsPerInch = 72;

}  // namespace

ReadOut::ReadOut(HWND label, const layout::Font& design, int boxWidth, UINT dpi)
    : label_(label), design_(design), boxWidth_(boxWidth), dpi_(dpi) {
  const int length = GetWindowTextLengthW(label_);
  text_.resize(static_cast<std::size_t>(length) + 1);
  text_.resize(static_cast<std::size_t>(GetWindowTextW(label_, text_.data(), length + 1)));
  Fit();
}

void ReadOut::SetCaption(const std::string& caption) {
  text_ = Widen(caption);
  SetWindowTextW(label_, text_.c_str());
  Fit();
  Repaint();
}

void ReadOut::Rescale(int boxWidth, UINT dpi) {
  boxWidth_ = boxWidth;
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
  const double points =
      FittingPointSize(design_.points, boxWidth_, [this](double size) { return TextWidth(size); });
  if (font_ && points == points_) return;
  UniqueFont font = FontAt(points);
  SendMessageW(label_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
  font_ = std::move(font);
  points_ = points;
}

int ReadOut::TextWidth(double points) const {
  UniqueFont other;
  HFONT font = font_.get();
  if (!font_ || points != points_) {
    other = FontAt(points);
    font = other.get();
  }
  HDC dc = GetDC(label_);
  HGDIOBJ previous = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32W(dc, text_.data(), static_cast<int>(text_.size()), &size);
  SelectObject(dc, previous);
  ReleaseDC(label_, dc);
  return size.cx;
}

UniqueFont ReadOut::FontAt(double points) const {
  const int height = -static_cast<int>(std::lround(points * dpi_ / kPointsPerInch));
  const std::wstring face = Widen(design_.face);
  return UniqueFont(CreateFontW(height, 0, 0, 0, design_.weight, FALSE, FALSE, FALSE,
                                static_cast<DWORD>(design_.charset), OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                face.c_str()));
}

}  // namespace quorlane::win32
