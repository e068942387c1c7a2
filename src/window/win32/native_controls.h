#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <optional>

#include "window/layout.h"
#include "window/win32/font.h"

namespace quorlane::win32 {

// The table's controls as child windows of one window, reached by id. A frame's children are
// children of the window too, placed from the frame's corner: a group box passes neither
// WM_COMMAND nor WM_CTLCOLORSTATIC on.
class NativeControls {
 public:
  // Makes them in tab order; Place gives them their boxes.
  explicit NativeControls(HWND parent);
  // The names screen readers hear, and the read-outs' figures as their values.
  void GiveSpokenNames() const;
  // Their boxes and the desktop's message font for dpi, smaller for a caption it would cut (the
  // read-outs keep their own fonts).
  void Place(UINT dpi);
  HWND Handle(layout::ControlId id) const { return handles_[static_cast<std::size_t>(id)]; }
  const layout::Control* Find(HWND handle) const;

 private:
  std::array<HWND, layout::kControlCount> handles_{};
  UniqueFont messageFont_;
  std::array<UniqueFont, layout::kControlCount> captionFonts_;
};

}  // namespace quorlane::win32
