#include "window/win32/accessibility.h"

// The property and class ids of oleacc.h defined here rather than taken from a library.
#include <initguid.h>
#include <oleacc.h>

#include "window/win32/text.h"

namespace quorlane::win32 {

namespace {

void Annotate(HWND control, const MSAAPROPID& property, std::string_view text) {
  IAccPropServices* services = nullptr;
  if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IAccPropServices, reinterpret_cast<void**>(&services)))) {
    return;
  }
  services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, property,
                           Widen(text).c_str());
  services->Release();
}

}  // namespace

void SetSpokenName(HWND control, std::string_view name) {
  Annotate(control, PROPID_ACC_NAME, name);
}

void SetSpokenValue(HWND control, std::string_view value) {
  Annotate(control, PROPID_ACC_VALUE, value);
  NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace quorlane::win32
