#include "window/win32/win32_controls.h"

// The property and class ids of oleacc.h defined here rather than taken from a library.
#include <initguid.h>
#include <oleacc.h>

#include "settings/wide_text.h"
#include "window/spoken.h"
#include "window/win32/system_function.h"

namespace quorlane::win32 {

namespace {

// Set by StartSpokenNames: COM comes in once the window is on screen, so that loading it does not
// hold up the start.
decltype(CoCreateInstance)* coCreateInstance = nullptr;

void Annotate(HWND control, const MSAAPROPID& property, std::string_view text) {
  IAccPropServices* services = nullptr;
  if (coCreateInstance != nullptr &&
      SUCCEEDED(coCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                 IID_IAccPropServices, reinterpret_cast<void**>(&services)))) {
    services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, property,
                             Widen(text).c_str());
    services->Release();
  }
}

}  // namespace

std::string WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return Narrow(text);
}

void SetWindowTextUtf8(HWND window, std::string_view text) {
  SetWindowTextW(window, Widen(text).c_str());
}

bool StartSpokenNames() {
  if (coCreateInstance != nullptr) return false;
  const auto initialise = SystemFunction<decltype(CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
  if (initialise == nullptr || FAILED(initialise(nullptr, COINIT_APARTMENTTHREADED))) return false;
  coCreateInstance = SystemFunction<decltype(CoCreateInstance)>(L"ole32.dll", "CoCreateInstance");
  return coCreateInstance != nullptr;
}

void SetSpokenName(HWND control, std::string_view name) {
  Annotate(control, PROPID_ACC_NAME, name);
}

void SetSpokenValue(HWND control, std::string_view value) {
  Annotate(control, PROPID_ACC_VALUE, value);
  NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

void Button::SetCaption(const std::string& caption) {
  SetWindowTextUtf8(button_, caption);
  SetSpokenName(button_, layout::SpokenText(caption));
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
