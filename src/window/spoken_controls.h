#pragma once

#include <string>
#include <string_view>

#include "window/controls.h"
#include "window/layout.h"
#include "window/spoken.h"

// What screen readers hear of the button and the read-outs, alike in every front end.
namespace quorlane {

// A push button whose spoken name follows its caption ("会議開始(&S)" is heard "会議開始").
class SpokenButton : public ButtonControl {
 public:
  // The name first: a toolkit may report the new text at once, and the name must already match it.
  void SetCaption(const std::string& caption) final {
    SetSpokenName(layout::SpokenText(caption));
    SetText(caption);
  }

 protected:
  virtual void SetSpokenName(std::string_view name) = 0;
  virtual void SetText(const std::string& caption) = 0;
};

// A read-out, whose text is the figure screen readers hear as its value. A tick may write it more
// than once; they hear of a new figure once the tick is done, and never of the same one again.
class ReadOutControl : public LabelControl {
 public:
  explicit ReadOutControl(layout::ControlId id)
      : shown_(layout::ControlAt(id).text), announced_(shown_) {}

  void SetCaption(const std::string& caption) final {
    if (caption == shown_) return;  // nothing new to draw
    shown_ = caption;
    Show(shown_);
  }
  // Tells screen readers of a figure that changed since the last notice, and of nothing else.
  void AnnounceChange() {
    if (shown_ == announced_) return;
    announced_ = shown_;
    Announce(shown_);
  }

 protected:
  virtual void Show(const std::string& caption) = 0;
  virtual void Announce(const std::string& caption) = 0;

 private:
  std::string shown_;
  std::string announced_;
};

}  // namespace quorlane
