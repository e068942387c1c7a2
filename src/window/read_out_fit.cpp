#include "window/read_out_fit.h"

#include <algorithm>
#include <cmath>

namespace quorlane {

namespace {

constexpr double kStep = 0.25;
// Far below what the largest cost needs in the narrowest box; only guards the loop.
constexpr double kSmallestPoints = 1.0;

double DownToStep(double points) {
  return std::floor(points / kStep) * kStep;
}

}  // namespace

double FittingPointSize(double designPoints, int boxWidth,
                        const std::function<int(double points)>& textWidthAt) {
  double points = designPoints;
  double tooWide = designPoints;  // the smallest size known not to fit
  for (int width = textWidthAt(points); width > boxWidth && points > kSmallestPoints;
       width = textWidthAt(points)) {
    tooWide = points;
    // Width is close to proportional to size: jump near the answer, then walk down from there.
    const double estimate = DownToStep(points * boxWidth / width);
    points = std::max(kSmallestPoints, std::min(DownToStep(points - kStep), estimate));
  }
  // Widths in whole pixels can make the jump land a step or more below the largest size that fits.
  while (points + kStep < tooWide && textWidthAt(points + kStep) <= boxWidth) points += kStep;
  return points;
}

}  // namespace quorlane
