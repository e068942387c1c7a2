#include "window/win32/win32_controls.h"

#include <utility>

#include "window/spoken.h"
#include "window/win32/accessibility.h"
#include "window/win32/text.h"

namespace quorlane::win32 {

std::string WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return Narrow(text);
}

std::string TextBox::Text() const {
  return WindowText(box_);
}

void TextBox::SetText(const std::string& text) {
  SetWindowTextW(box_, Widen(text).c_str());
}

bool TextBox::Enabled() const {
  return IsWindowEnabled(box_) != FALSE;
}

void TextBox::SetEnabled(bool enabled) {
  EnableWindow(box_, enabled ? TRUE : FALSE);
}

Button::Button(HWND button, std::function<void()> onClick)
    : button_(button), onClick_(std::move(onClick)) {}

void Button::SetCaption(const std::string& caption) {
  SetWindowTextW(button_, Widen(caption).c_str());
  SetSpokenName(button_, layout::SpokenText(caption));
}

void Button::OnCommand(HWND control, int code) const {
  if (control == button_ && code == BN_CLICKED) onClick_();
}

void Timer::SetInterval(int milliseconds) {
  interval_ = static_cast<UINT>(milliseconds);
  if (enabled_) SetTimer(window_, id_, interval_, nullptr);  // restarts with the new period
}

void Timer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (enabled) {
    SetTimer(window_, id_, interval_, nullptr);
  } else {
    KillTimer(window_, id_);
  }
}

}  // namespace quorlane::win32
