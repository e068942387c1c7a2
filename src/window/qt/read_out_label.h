#pragma once

#include <QLabel>
#include <QString>

#include "window/layout.h"
#include "window/spoken_controls.h"

namespace quorlane {

// A read-out: right-aligned, in the read-out face, in its colour or, on a dark palette, a lighter
// one of the same hue. It shows its whole text, in a smaller font while the text is wider than its
// box and in its design font whenever the text fits. Screen readers hear its name, and its figure
// as the value.
class ReadOutLabel final : public QLabel, public ReadOutControl {
  Q_OBJECT

 public:
  ReadOutLabel(layout::ControlId id, QWidget& parent);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Show(const std::string& caption) override;
  void Announce(const std::string& caption) override;
  void FollowPalette();
  void FitFontToBox();

  layout::ControlId id_;
  double designPoints_;
};

}  // namespace quorlane
