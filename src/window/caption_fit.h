#pragma once

#include <functional>
#include <string_view>

#include "window/layout.h"
#include "window/placement.h"

// Captions in the platform's font, which may be larger than the window was drawn for: a caption
// keeps the platform's size while its text fits the part of its box that it can be seen in, and
// is drawn smaller, by the read-outs' rule, only where it would not.
namespace quorlane::layout {

// The labels, the frames and the button: every control in the platform's font that shows a caption.
constexpr bool IsCaption(const Control& control) {
  return !control.font && control.kind != Kind::TextBox;
}

// Text boxes and buttons paint their whole box over what lies beneath; labels draw only their text,
// and the read-outs lie beneath the captions their boxes reach into.
constexpr bool HidesWhatLiesBeneath(Kind kind) {
  return kind == Kind::TextBox || kind == Kind::Button;
}

// Twips a frame's caption stands in from either side (the frame's line runs on past it), and that a
// button's edges take from its box.
inline constexpr int kFrameCaptionInset = 150;
inline constexpr int kButtonEdge = 45;

// The width in pixels at dpi that a caption's text can fill: its box up to the first control that
// covers it, less a frame's insets or a button's edges.
constexpr int CaptionRoom(ControlId id, int dpi) {
  const Control& caption = ControlAt(id);
  const Rect& box = caption.box;
  int right = box.left + box.width;
  for (const Control& other : kControls) {
    const bool sameRows =
        other.box.top < box.top + box.height && box.top < other.box.top + other.box.height;
    if (other.parent == caption.parent && HidesWhatLiesBeneath(other.kind) && sameRows &&
        other.box.left > box.left && other.box.left < right) {
      right = other.box.left;
    }
  }
  const int inset = caption.kind == Kind::Frame    ? kFrameCaptionInset
                    : caption.kind == Kind::Button ? kButtonEdge
                                                   : 0;
  return TwipsToPixels(right - inset, dpi) - TwipsToPixels(box.left + inset, dpi);
}

// The point size to draw a caption at, from the platform's size: that size while the caption fits
// its room, else the largest quarter point below it at which it does. textWidthAt measures a text
// as shown (UTF-8, without the access-key mark) at a point size: in pixels from where it starts to
// the right edge of its last glyph's ink, so that the blank half of a closing full-width colon may
// lie under the next control. A button fits both its captions, so that its font stays the same
// when the caption changes. A control that shows no caption keeps the platform's size.
double CaptionPointSize(
    ControlId id, double platformPoints, int dpi,
    const std::function<int(std::string_view text, double points)>& textWidthAt);

}  // namespace quorlane::layout
