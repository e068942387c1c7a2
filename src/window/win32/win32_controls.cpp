#include "window/win32/win32_controls.h"

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

void Button::SetCaption(const std::string& caption) {
  SetWindowTextW(button_, Widen(caption).c_str());
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
