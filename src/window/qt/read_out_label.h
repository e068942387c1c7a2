#pragma once

#include <QLabel>
#include <QString>

#include "window/controls.h"
#include "window/layout.h"

namespace quorlane {

// A read-out: right-aligned, in the read-out face, in its colour or, on a dark palette, a lighter
// one of the same hue. It shows its whole text, in a smaller font while the text is wider than its
// box and in its design font whenever the text fits. Screen readers hear its name, and its figure
// as the value.
class ReadOutLabel final : public QLabel, public LabelControl {
  Q_OBJECT

 public:
  ReadOutLabel(layout::ControlId id, QWidget& parent);
  void SetCaption(const std::string& caption) override;
  // Tells assistive technology of a figure that changed since the last notice, and of nothing else.
  void AnnounceChange();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void FollowPalette();
  void FitFontToBox();

  layout::ControlId id_;
  double designPoints_;
  QString announced_;
};

}  // namespace quorlane
