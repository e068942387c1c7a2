#pragma once

#include <functional>

namespace quorlane {

// The point size at which a read-out shows its whole text: the design size when the text fits its
// box, otherwise the largest smaller size (in quarter points) at which it does. textWidthAt gives
// the text's width in the box's units at a point size; width grows with size.
double FittingPointSize(double designPoints, int boxWidth,
                        const std::function<int(double points)>& textWidthAt);

}  // namespace quorlane
