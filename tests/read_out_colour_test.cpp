#include "window/read_out_colour.h"

#include <gtest/gtest.h>

#include <tuple>

namespace quorlane {
namespace {

using layout::ControlAt;
using layout::ControlId;
using layout::Rgb;

// Light backgrounds keep the read-outs' own colours; dark ones get the least lighter tint of the
// same hue that reaches WCAG's 4.5:1 (pure blue on 50,50,50 is 1.49:1, red 3.21:1); high contrast
// and plain labels take the theme's text colour.
TEST(LabelTextColour, ExactOnLightLighterOnDarkThemeTextInHighContrast) {
  constexpr Rgb kThemeText{255, 255, 0};
  const std::tuple<ControlId, Rgb, bool, std::tuple<int, int, int>> rows[] = {
      {ControlId::lblTime, {240, 240, 240}, false, {0, 0, 255}},  // Windows' face
      {ControlId::lblCost, {240, 240, 240}, false, {255, 0, 0}},
      {ControlId::lblCost, {128, 128, 128}, false, {255, 0, 0}},  // still nearer white
      {ControlId::lblTime, {50, 50, 50}, false, {141, 141, 255}},
      {ControlId::lblCost, {50, 50, 50}, false, {255, 103, 103}},
      {ControlId::lblTime, {0, 0, 0}, false, {94, 94, 255}},
      {ControlId::lblCost, {0, 0, 0}, false, {255, 0, 0}},  // already 5.25:1
      {ControlId::lblTime, {0, 0, 0}, true, {255, 255, 0}},
      {ControlId::lblCost, {240, 240, 240}, true, {255, 255, 0}},
      {ControlId::Label2_3, {50, 50, 50}, false, {255, 255, 0}},
  };
  for (const auto& [label, background, highContrast, expected] : rows) {
    SCOPED_TRACE(testing::Message() << ControlAt(label).objectName << " on " << +background.red
                                    << (highContrast ? " in high contrast" : ""));
    const Rgb colour = LabelTextColour(ControlAt(label), background, kThemeText, highContrast);
    EXPECT_EQ((std::tuple<int, int, int>(colour.red, colour.green, colour.blue)), expected);
  }
}

}  // namespace
}  // namespace quorlane
