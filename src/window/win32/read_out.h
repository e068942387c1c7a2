#pragma once

#include <windows.h>

#include <string>

#include "window/controls.h"
#include "window/layout.h"
#include "window/win32/dpi.h"

namespace quorlane::win32 {

// A read-out label in its own font. It never hides a digit: when the text is wider than the box the
// font shrinks until it fits, and grows back when the text allows. The text stays right-aligned.
class ReadOut final : public LabelControl {
 public:
  ReadOut(HWND label, const layout::Font& design, int boxWidth, UINT dpi);
  void SetCaption(const std::string& caption) override;
  // After a change of the window's DPI, with the box's new width in pixels.
  void Rescale(int boxWidth, UINT dpi);

 private:
  void Fit();
  void Repaint() const;
  int TextWidth(double points) const;
  UniqueFont FontAt(double points) const;

  HWND label_;
  layout::Font design_;
  int boxWidth_;
  UINT dpi_;
  std::wstring text_;
  double points_ = 0;
  UniqueFont font_;
};

}  // namespace quorlane::win32
