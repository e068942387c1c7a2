#pragma once

#include "window/layout.h"

// Text colours that stay readable on whatever background the theme gives, by WCAG 2's measures.
namespace quorlane {

// The colour a label's text is drawn in on background. High contrast, and a label without a colour
// of its own, take the theme's text colour. On a light background a read-out keeps its own colour
// exactly; on a dark one, where pure blue or red would all but vanish, it takes the least tint of
// its colour towards white (the same hue, lighter) that stands out from the background 4.5:1.
layout::Rgb LabelTextColour(const layout::Control& label, layout::Rgb background,
                            layout::Rgb themeText, bool highContrast);

}  // namespace quorlane
