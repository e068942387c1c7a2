#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "window/controls.h"

// Native controls seen through the interfaces the window's handlers drive, and what screen readers
// hear of them.
namespace quorlane::win32 {

// A window's text in UTF-8.
std::string WindowText(HWND window);
void SetWindowTextUtf8(HWND window, std::string_view text);

// Screen readers' names through the system's Dynamic Annotation (oleacc): a name that holds
// whatever the control's text, and a read-out's text as its value. Until StartSpokenNames has
// started COM on this thread (it answers true the first time it does), and without COM, controls
// keep the names of their texts.
bool StartSpokenNames();
void SetSpokenName(HWND control, std::string_view name);
// Also tells listening screen readers that the value changed.
void SetSpokenValue(HWND control, std::string_view value);

class TextBox final : public TextBoxControl {
 public:
  explicit TextBox(HWND box) : box_(box) {}
  std::string Text() const override { return WindowText(box_); }
  void SetText(const std::string& text) override { SetWindowTextUtf8(box_, text); }
  bool Enabled() const override { return IsWindowEnabled(box_) != FALSE; }
  void SetEnabled(bool enabled) override { EnableWindow(box_, enabled ? TRUE : FALSE); }
  void SoundWarning() override { MessageBeep(MB_ICONWARNING); }
  void FocusAllText() override {
    SetFocus(box_);
    SendMessageW(box_, EM_SETSEL, 0, -1);
  }

 private:
  HWND box_;
};

// A push button that carries its click; its spoken name follows its caption.
class Button final : public ButtonControl {
 public:
  Button(HWND button, std::function<void()> onClick)
      : button_(button), onClick_(std::move(onClick)) {}
  void SetCaption(const std::string& caption) override;
  // The parent's WM_COMMAND, from whichever control.
  void OnCommand(HWND control, int code) const {
    if (control == button_ && code == BN_CLICKED) onClick_();
  }

 private:
  HWND button_;
  std::function<void()> onClick_;
};

// WM_TIMER to the window, identified by id.
class Timer final : public TimerControl {
 public:
  Timer(HWND window, UINT_PTR id) : window_(window), id_(id) {}
  void SetInterval(int milliseconds) override;
  void SetEnabled(bool enabled) override;

 private:
  HWND window_;
  UINT_PTR id_;
  UINT interval_ = USER_TIMER_MINIMUM;
  bool enabled_ = false;
};

}  // namespace quorlane::win32
