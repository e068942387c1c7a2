#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "window/controls.h"
#include "window/layout.h"
#include "window/spoken_controls.h"
#include "window/win32/system.h"

// Native controls seen through the interfaces the window's handlers drive.
namespace quorlane::win32 {

// A control's id (GetDlgCtrlID, WM_COMMAND): its place in the table from 100 on, clear of IDOK
// and the other answers of dialogs.
constexpr int DialogId(layout::ControlId id) {
  return 100 + static_cast<int>(id);
}

class TextBox final : public TextBoxControl {
 public:
  explicit TextBox(HWND box) : box_(box) {}
  std::string Text() const override { return WindowText(box_); }
  void SetText(const std::string& text) override { SetWindowTextUtf8(box_, text); }
  bool Enabled() const override { return IsWindowEnabled(box_) != FALSE; }
  void SetEnabled(bool enabled) override { EnableWindow(box_, enabled ? TRUE : FALSE); }

 private:
  HWND box_;
};

class Button final : public SpokenButton {
 public:
  Button(HWND button, const SpokenNames& names) : button_(button), names_(names) {}

 private:
  void SetSpokenName(std::string_view name) override { names_.SetName(button_, name); }
  void SetText(const std::string& caption) override { SetWindowTextUtf8(button_, caption); }

  HWND button_;
  const SpokenNames& names_;
};

// WM_TIMER to the window, identified by id. The handlers set the period before they start it.
class Timer final : public TimerControl {
 public:
  Timer(HWND window, UINT_PTR id) : window_(window), id_(id) {}
  void SetInterval(int milliseconds) override { interval_ = static_cast<UINT>(milliseconds); }
  void SetEnabled(bool enabled) override;

 private:
  HWND window_;
  UINT_PTR id_;
  UINT interval_ = USER_TIMER_MINIMUM;
};

// A read-out label in its own font. It never hides a digit: when the text is wider than the box the
// font shrinks until it fits, and grows back when the text allows. The text stays right-aligned.
class ReadOut final : public ReadOutControl {
 public:
  ReadOut(HWND label, layout::ControlId id, const SpokenNames& names, std::wstring face);
  // Fonts for the window's DPI, when it is first laid out and after each change.
  void Rescale(UINT dpi);

 private:
  void Show(const std::string& caption) override;
  void Announce(const std::string& caption) override { names_.SetValue(label_, caption); }
  void Fit();
  int TextWidth(double points) const;
  UniqueFont FontAt(double points) const;

  HWND label_;
  layout::ControlId id_;
  const SpokenNames& names_;
  std::wstring face_;
  std::wstring text_;
  UINT dpi_ = 0;
  double points_ = 0;
  UniqueFont font_;
};

// The read-out face by a name this Windows knows: Japanese Windows lists it by its Japanese name,
// others by its English one. With neither, the Japanese name leaves the choice to the font mapper.
std::wstring ReadOutFace(bool (*installed)(const wchar_t* face));

}  // namespace quorlane::win32
