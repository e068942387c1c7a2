#pragma once

#include <string>

// What the window's handlers may do to the controls, and nothing more. Each front end adapts its
// toolkit's widgets to these; tests use in-memory ones. Texts are UTF-8.
namespace quorlane {

enum class WindowState { Normal = 0, Minimised = 1, Maximised = 2 };

class FormControl {
 public:
  virtual ~FormControl() = default;
  virtual std::string Title() const = 0;
  virtual void SetTitle(const std::string& title) = 0;
  virtual WindowState State() const = 0;
  // Moves the window to the top-left corner of the screen, keeps its size, and keeps it above
  // normal windows from then on.
  virtual void PinTopLeft() = 0;
  // A warning dialog owned by the window; asked for only once the window is on screen.
  virtual void ShowWarning(const std::string& message) = 0;
};

class TextBoxControl {
 public:
  virtual ~TextBoxControl() = default;
  virtual std::string Text() const = 0;
  virtual void SetText(const std::string& text) = 0;
  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  // The system's warning sound, as for a key the box refuses.
  virtual void SoundWarning() = 0;
  // Takes the keyboard focus with the whole text selected, ready to be typed over.
  virtual void FocusAllText() = 0;
};

class ButtonControl {
 public:
  virtual ~ButtonControl() = default;
  virtual void SetCaption(const std::string& caption) = 0;
};

class LabelControl {
 public:
  virtual ~LabelControl() = default;
  virtual void SetCaption(const std::string& caption) = 0;
};

class TimerControl {
 public:
  virtual ~TimerControl() = default;
  virtual void SetInterval(int milliseconds) = 0;
  virtual void SetEnabled(bool enabled) = 0;
};

}  // namespace quorlane
