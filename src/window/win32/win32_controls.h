#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "window/controls.h"

// Native controls seen through the interfaces the window's handlers drive.
namespace quorlane::win32 {

class TextBox final : public TextBoxControl {
 public:
  explicit TextBox(HWND box) : box_(box) {}
  std::string Text() const override;
  void SetText(const std::string& text) override;
  bool Enabled() const override;
  void SetEnabled(bool enabled) override;

 private:
  HWND box_;
};

// A push button that carries its click; its spoken name follows its caption.
class Button final : public ButtonControl {
 public:
  Button(HWND button, std::function<void()> onClick);
  void SetCaption(const std::string& caption) override;
  // The parent's WM_COMMAND, from whichever control.
  void OnCommand(HWND control, int code) const;

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

// A window's text in UTF-8.
std::string WindowText(HWND window);

}  // namespace quorlane::win32
