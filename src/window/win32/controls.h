#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

#include "window/controls.h"
#include "window/layout.h"
#include "window/spoken_controls.h"

struct IAccPropServices;

// Native controls seen through the interfaces the window's handlers drive, and what the window
// asks of the system for them.
namespace quorlane::win32 {

// A control's id (GetDlgCtrlID, WM_COMMAND): its place in the table from 100 on, clear of IDOK
// and the other answers of dialogs.
constexpr int DialogId(layout::ControlId id) {
  return 100 + static_cast<int>(id);
}

struct FontDeleter {
  void operator()(HFONT font) const { DeleteObject(font); }
};
// A GDI font, deleted with its owner; a control must not outlive the font it was given.
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;
// font at a point size for dpi.
UniqueFont FontAt(LOGFONTW font, double points, UINT dpi);
// A text's width in a control's font: its advance, or up to the ink of its last glyph.
int TextWidth(HWND control, HFONT font, std::wstring_view text, bool toInk);

// A window's text in UTF-8.
std::string WindowText(HWND window);
void SetWindowTextUtf8(HWND window, std::string_view text);

bool HighContrastOn();
bool FaceInstalled(const wchar_t* face);
// The system's Dynamic Annotation service (oleacc), with COM started on this thread; null without.
IAccPropServices* AnnotationService();

// What the window asks of the system. Tests answer where Wine cannot show Windows' answer: high
// contrast (Wine cannot turn it on), a second screen's DPI, an English Windows' fonts, and Dynamic
// Annotation (Wine's oleacc lacks it).
struct SystemQueries {
  bool (*highContrast)() = HighContrastOn;
  UINT (*windowDpi)(HWND window) = GetDpiForWindow;
  bool (*faceInstalled)(const wchar_t* face) = FaceInstalled;
  IAccPropServices* (*annotationService)() = AnnotationService;
};

// Names screen readers hear whatever a control's text, and a read-out's text as its value, through
// Dynamic Annotation. Until Start, and without the service, controls are named by their texts.
class SpokenNames {
 public:
  explicit SpokenNames(IAccPropServices* (*makeService)()) : makeService_(makeService) {}
  // Makes the service once the window is on screen, so that loading COM does not hold up the
  // start; true when it has just been made.
  bool Start();
  void SetName(HWND control, std::string_view name) const;
  // Also tells listening screen readers that the value changed.
  void SetValue(HWND control, std::string_view value) const;

 private:
  void Annotate(HWND control, const GUID& property, std::string_view text) const;
  struct Releaser {
    void operator()(IAccPropServices* service) const;
  };
  IAccPropServices* (*makeService_)();
  std::unique_ptr<IAccPropServices, Releaser> service_;
};

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
  void SetEnabled(bool enabled) override {
    if (enabled)
      SetTimer(window_, id_, interval_, nullptr);
    else
      KillTimer(window_, id_);
  }

 private:
  HWND window_;
  UINT_PTR id_;
  UINT interval_ = USER_TIMER_MINIMUM;
};

// A read-out label in its own font. It never hides a digit: when the text is wider than the box the
// font shrinks until it fits, and grows back when the text allows. The text stays right-aligned.
class ReadOut final : public ReadOutControl {
 public:
  ReadOut(HWND label, layout::ControlId id, const SpokenNames& names, const std::wstring& face);
  // Fonts for the window's DPI, when it is first laid out and after each change.
  void Rescale(UINT dpi);

 private:
  void Show(const std::string& caption) override;
  void Announce(const std::string& caption) override { names_.SetValue(label_, caption); }
  void Fit();

  HWND label_;
  layout::ControlId id_;
  const SpokenNames& names_;
  LOGFONTW design_{};
  std::wstring text_;
  UINT dpi_ = 0;
  double points_ = 0;
  UniqueFont font_;
};

}  // namespace quorlane::win32
