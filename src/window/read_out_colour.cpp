#include "window/read_out_colour.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace quorlane {

namespace {

// What text of the read-outs' size needs.
constexpr double kReadableContrast = 4.5;
constexpr layout::Rgb kWhite{255, 255, 255};
constexpr layout::Rgb kBlack{0, 0, 0};

double LinearChannel(std::uint8_t value) {
  const double channel = value / 255.0;
  return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

std::uint8_t Tint(std::uint8_t channel, int step) {
  return static_cast<std::uint8_t>(channel + (255 - channel) * step / 255);
}

// 0 for black to 1 for white, as the eye weighs the sRGB channels.
double RelativeLuminance(layout::Rgb colour) {
  return 0.2126 * LinearChannel(colour.red) + 0.7152 * LinearChannel(colour.green) +
         0.0722 * LinearChannel(colour.blue);
}

// From 1 (the same luminance) to 21 (black on white).
double ContrastRatio(layout::Rgb first, layout::Rgb second) {
  // By value: std::minmax of two temporaries hands back references to them.
  const double a = RelativeLuminance(first);
  const double b = RelativeLuminance(second);
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

}  // namespace

layout::Rgb LabelTextColour(const layout::Control& label, layout::Rgb background,
                            layout::Rgb themeText, bool highContrast) {
  if (!label.color || highContrast) return themeText;
  // Dark: white text would stand out more than black. White then reaches 4.5:1, so a tint does.
  if (ContrastRatio(background, kWhite) <= ContrastRatio(background, kBlack)) return *label.color;
  for (int step = 0; step < 255; ++step) {
    const layout::Rgb tint{Tint(label.color->red, step), Tint(label.color->green, step),
                           Tint(label.color->blue, step)};
    if (ContrastRatio(tint, background) >= kReadableContrast) return tint;
  }
  return kWhite;
}

}  // namespace quorlane
