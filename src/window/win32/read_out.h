#pragma once

#include <windows.h>

#include <string>

#include "window/controls.h"
#include "window/layout.h"
#include "window/win32/font.h"

namespace quorlane::win32 {

// A read-out label in its own font. It never hides a digit: when the text is wider than the box the
// font shrinks until it fits, and grows back when the text allows. The text stays right-aligned;
// screen readers hear it as the label's value.
class ReadOut final : public LabelControl {
 public:
  ReadOut(HWND label, layout::ControlId id, UINT dpi);
  void SetCaption(const std::string& caption) override;
  // Tells screen readers of a new figure, once the handler has written its last.
  void AnnounceChange();
  // After a change of the window's DPI.
  void Rescale(UINT dpi);

 private:
  void Fit();
  void Repaint() const;
  int TextWidth(double points) const;
  UniqueFont FontAt(double points) const;

  HWND label_;
  layout::ControlId id_;
  UINT dpi_;
  std::wstring text_;
  std::wstring announced_ = text_;
  double points_ = 0;
  UniqueFont font_;
};

}  // namespace quorlane::win32
