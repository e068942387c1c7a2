#include "window/caption_fit.h"

#include <algorithm>
#include <string>
#include <vector>

#include "window/read_out_fit.h"

namespace quorlane::layout {

namespace {

// "会議開始(&S)" shows as "会議開始(S)": the mark is not drawn.
std::string Shown(std::string_view caption) {
  std::string shown(caption);
  std::erase(shown, '&');
  return shown;
}

}  // namespace

double CaptionPointSize(
    ControlId id, double platformPoints, int dpi,
    const std::function<int(std::string_view text, double points)>& textWidthAt) {
  if (!IsCaption(ControlAt(id))) return platformPoints;
  const std::vector<std::string_view> captions = id == ControlId::btnStart
                                                     ? std::vector{kStartCaption, kStopCaption}
                                                     : std::vector{ControlAt(id).text};
  double points = platformPoints;
  for (const std::string_view caption : captions) {
    const std::string shown = Shown(caption);
    points =
        std::min(points, FittingPointSize(platformPoints, CaptionRoom(id, dpi),
                                          [&](double size) { return textWidthAt(shown, size); }));
  }
  return points;
}

}  // namespace quorlane::layout
