#include <gtest/gtest.h>

#include <cmath>
#include <string_view>
#include <vector>

#include "window/caption_fit.h"
#include "window/placement.h"
#include "window/read_out_fit.h"

namespace quorlane::layout {
namespace {

// Twips that are not whole pixels: half a pixel and more rounds up, the same for every front end.
TEST(PixelBox, RoundsHalfAPixelUpAndKeepsEveryControlInsideItsFrame) {
  const struct {
    ControlId id;
    int dpi;
    Origin origin;
    Rect expected;
  } rows[] = {
      {ControlId::txtMemnberCount, 120, Origin::Parent, {88, 20, 39, 25}},  // 87.5, 38.75
      {ControlId::lblCost, 144, Origin::Parent, {96, 45, 221, 41}},         // 220.5, 40.5
      {ControlId::lblCost, 144, Origin::Client, {105, 129, 221, 41}},       // 129 = (840+450)/10
      {ControlId::Label2_0, 120, Origin::Client, {23, 30, 81, 21}},         // 81.25, 21.25
  };
  for (const auto& [id, dpi, origin, expected] : rows) {
    SCOPED_TRACE(static_cast<int>(id));
    const Rect box = PixelBox(id, dpi, origin);
    EXPECT_EQ(std::vector({box.left, box.top, box.width, box.height}),
              std::vector({expected.left, expected.top, expected.width, expected.height}));
  }
  // Every control inside its frame, every frame inside the client, at any DPI.
  for (const int dpi : {96, 120, 144, 168, 192, 288}) {
    SCOPED_TRACE(dpi);
    const Size client = ClientPixels(dpi);
    for (const Control& control : kControls) {
      SCOPED_TRACE(control.objectName);
      const Rect outer = control.parent ? PixelBox(*control.parent, dpi, Origin::Parent)
                                        : Rect{0, 0, client.width, client.height};
      const Rect box = PixelBox(control.id, dpi, Origin::Parent);
      EXPECT_TRUE(box.left >= 0 && box.top >= 0 && box.left + box.width <= outer.width &&
                  box.top + box.height <= outer.height);
    }
  }
}

// A text width that grows with the point size, as a font's does: perPoint pixels a point, plus a
// fixed part that does not scale (the gap the kerning leaves).
TEST(FittingPointSize, KeepsTheDesignSizeWhileTheTextFitsElseTheLargestQuarterPointThatDoes) {
  const struct {
    const char* name;
    double design;
    int box;
    double perPoint;
    int fixed;
    double expected;
  } rows[] = {
      {"narrower", 21.75, 147, 5.0, 0, 21.75},
      {"exactly as wide as the box", 21.75, 147, 147 / 21.75, 0, 21.75},
      {"one pixel too wide", 21.75, 146, 147 / 21.75, 0, 21.5},
      {"a jump that rounding would land a step short", 21.75, 147, 7.25, 0, 20.25},
      {"far too wide", 21.75, 147, 20.0, 0, 7.25},
      {"with a part that does not scale", 21.75, 147, 10.0, 20, 12.5},
      {"no room at all", 12.0, 0, 10.0, 0, 1.0},
  };
  for (const auto& [name, design, box, perPoint, fixed, expected] : rows) {
    SCOPED_TRACE(name);
    EXPECT_EQ(FittingPointSize(design, box,
                               [&](double points) {
                                 return static_cast<int>(std::lround(points * perPoint)) + fixed;
                               }),
              expected);
  }
}

// Captions measured by a stand-in: pixels per point for each text as shown. A caption's room ends
// where a text box or button covers its box (a read-out lies beneath); a button fits both captions.
TEST(CaptionPointSize, KeepsThePlatformSizeWhereTheCaptionFitsItsUncoveredRoomElseShrinks) {
  const struct {
    const char* name;
    ControlId id;
    int dpi;
    double platform;
    double expected;
  } rows[] = {
      {"up to the attendee box, 58 px", ControlId::Label2_0, 96, 9.0, 9.0},
      {"too wide for it", ControlId::Label2_0, 96, 11.0, 9.5},
      {"under a read-out, 98 px", ControlId::Label2_3, 144, 14.0, 14.0},
      {"the wider caption of the button, 81 px", ControlId::btnStart, 96, 12.0, 10.0},
      {"a frame, 197 px", ControlId::Frame2, 96, 34.0, 32.75},
      {"a read-out keeps its own font", ControlId::lblCost, 96, 40.0, 40.0},
  };
  for (const auto& [name, id, dpi, platform, expected] : rows) {
    SCOPED_TRACE(name);
    const double points =
        CaptionPointSize(id, platform, dpi, [](std::string_view text, double size) {
          const double perPoint = text == "会議終了(S)" ? 8 : text == "会議開始(S)" ? 7 : 6;
          return static_cast<int>(
              std::lround(size * perPoint * (text.find('&') == text.npos ? 1 : 9)));
        });
    EXPECT_EQ(points, expected);
  }
}

}  // namespace
}  // namespace quorlane::layout
