#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

struct IAccPropServices;

// What the window needs of Windows beyond its own messages.
namespace quorlane::win32 {

// Ends the program with a message naming what Windows would not do, and its error code.
[[noreturn]] void Fail(const wchar_t* what);

struct FontDeleter {
  void operator()(HFONT font) const { DeleteObject(font); }
};
// A GDI font, deleted with its owner; a control must not outlive the font it was given.
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

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

// The names screen readers hear through Dynamic Annotation: a name that holds whatever the
// control's text, and a read-out's text as its value. Until Start, and without the service,
// controls keep the names of their texts.
class SpokenNames {
 public:
  explicit SpokenNames(IAccPropServices* (*makeService)()) : makeService_(makeService) {}
  ~SpokenNames();
  SpokenNames(const SpokenNames&) = delete;
  SpokenNames& operator=(const SpokenNames&) = delete;
  // Makes the service, once: COM comes in when the window is on screen, so that loading it does
  // not hold up the start. True when the controls can now be given their names.
  bool Start();
  void SetName(HWND control, std::string_view name) const;
  // Also tells listening screen readers that the value changed.
  void SetValue(HWND control, std::string_view value) const;

 private:
  IAccPropServices* (*makeService_)();
  bool started_ = false;
  IAccPropServices* service_ = nullptr;
};

}  // namespace quorlane::win32
