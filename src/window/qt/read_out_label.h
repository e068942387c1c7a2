#pragma once

#include <QLabel>
#include <QString>

#include "window/layout.h"
#include "window/spoken_controls.h"

namespace quorlane {

// A read-out: right-aligned, coloured, in the read-out face. It shows its whole text, in a smaller
// font while the text is wider than its box and in its design font whenever the text fits. Screen
// readers hear its name, and its figure as the value.
class ReadOutLabel final : public QLabel, public ReadOutControl {
  Q_OBJECT

 public:
  ReadOutLabel(layout::ControlId id, QWidget& parent);

 private:
  void Show(const std::string& caption) override;
  void Announce(const std::string& caption) override;
  void FitFontToBox();

  double designPoints_;
};

}  // namespace quorlane
