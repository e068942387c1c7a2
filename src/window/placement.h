#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

#include "window/layout.h"

// The layout table in a front end's terms: boxes in pixels at a DPI, and the order Tab walks.
namespace quorlane::layout {

// Twips are never negative; half a pixel rounds up.
constexpr int TwipsToPixels(int twips, int dpi) {
  return (twips * dpi + kTwipsPerInch / 2) / kTwipsPerInch;
}

struct Size {
  int width;
  int height;
};

constexpr Size ClientPixels(int dpi) {
  return {TwipsToPixels(kClientWidth, dpi), TwipsToPixels(kClientHeight, dpi)};
}

// Where a box is measured from: its parent frame's outer corner, or the window's client area
// (for toolkits whose frames cannot hold controls).
enum class Origin { Parent, Client };

constexpr Rect PixelBox(ControlId id, int dpi, Origin origin) {
  const Control& control = ControlAt(id);
  Rect twips = control.box;
  if (origin == Origin::Client && control.parent) {
    twips.left += ControlAt(*control.parent).box.left;
    twips.top += ControlAt(*control.parent).box.top;
  }
  return {TwipsToPixels(twips.left, dpi), TwipsToPixels(twips.top, dpi),
          TwipsToPixels(twips.width, dpi), TwipsToPixels(twips.height, dpi)};
}

// Frames and labels never take the focus.
constexpr bool TakesFocus(Kind kind) {
  return kind == Kind::TextBox || kind == Kind::Button;
}

inline constexpr std::size_t kFocusableCount = static_cast<std::size_t>(
    std::ranges::count_if(kControls, [](const Control& c) { return TakesFocus(c.kind); }));

// The focusable controls in the order of the table's tab column.
constexpr std::array<ControlId, kFocusableCount> FocusOrder() {
  std::array<const Control*, kFocusableCount> focusable{};
  std::size_t next = 0;
  for (const Control& control : kControls) {
    if (TakesFocus(control.kind)) focusable[next++] = &control;
  }
  std::ranges::sort(focusable, {}, &Control::tabIndex);
  std::array<ControlId, kFocusableCount> order{};
  std::ranges::transform(focusable, order.begin(), [](const Control* c) { return c->id; });
  return order;
}
inline constexpr std::array<ControlId, kFocusableCount> kFocusOrder = FocusOrder();

}  // namespace quorlane::layout
