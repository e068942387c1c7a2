#pragma once

#include <array>
#include <cstddef>

#include "window/placement.h"

namespace quorlane::layout {

// The table's order, with the controls that take the focus in the slots of the tab column: for
// toolkits whose tab order is the order in which the controls were made (Win32's z-order).
constexpr std::array<ControlId, kControlCount> CreationOrder() {
  std::array<ControlId, kControlCount> order{};
  std::size_t focusable = 0;
  for (std::size_t i = 0; i < order.size(); ++i) {
    order[i] = TakesFocus(kControls[i].kind) ? kFocusOrder[focusable++] : kControls[i].id;
  }
  return order;
}
inline constexpr std::array<ControlId, kControlCount> kCreationOrder = CreationOrder();

}  // namespace quorlane::layout
