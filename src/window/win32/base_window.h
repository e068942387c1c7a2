#pragma once

#include <windows.h>

namespace quorlane::win32 {

// Ends the program with a message naming what Windows would not do, and its error code.
[[noreturn]] void Fail(const wchar_t* what);
// A window class with the program's first icon, once per process; a failure ends the program.
void RegisterWindowClass(HINSTANCE instance, const wchar_t* className, WNDPROC procedure);

// A top-level window whose messages go to Derived::HandleMessage from WM_NCCREATE on, as in
// LearnWin32's BaseWindow: the window procedure only finds the object. Derived destroys the window
// in its own destructor, while its members still stand.
template <class Derived>
class BaseWindow {
 public:
  HWND Handle() const { return window_; }

 protected:
  // Makes the window, hidden; a failure ends the program.
  void Create(HINSTANCE instance, const wchar_t* className, const wchar_t* title, DWORD style,
              DWORD exStyle) {
    RegisterWindowClass(instance, className, WindowProcedure);
    if (CreateWindowExW(exStyle, className, title, style, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance,
                        this) == nullptr) {
      Fail(L"ウィンドウを作成できませんでした。");
    }
  }

  HWND window_ = nullptr;

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      auto* self =
          static_cast<BaseWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
      self->window_ = window;
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<BaseWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    const LRESULT result = static_cast<Derived*>(self)->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      self->window_ = nullptr;
    }
    return result;
  }
};

}  // namespace quorlane::win32
