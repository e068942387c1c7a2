#include "window/win32/system.h"

// The property and class ids of oleacc.h defined here rather than taken from a library.
#include <initguid.h>
#include <oleacc.h>

#include <cstdlib>
#include <cwchar>
#include <string>
#include <utility>

#include "settings/wide_text.h"
#include "window/layout.h"

namespace quorlane::win32 {

namespace {

// Looked up when first needed, so that the program starts without loading COM.
template <typename Function>
Function* Ole32(const char* name) {
  const FARPROC address = GetProcAddress(LoadLibraryW(L"ole32.dll"), name);
  return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(address));
}

void Annotate(IAccPropServices* service, HWND control, const MSAAPROPID& property,
              std::string_view text) {
  if (service == nullptr) return;
  service->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, property,
                          Widen(text).c_str());
}

}  // namespace

void Fail(const wchar_t* what) {
  const std::wstring message = what + Widen("(エラー " + std::to_string(GetLastError()) + ")");
  MessageBoxW(nullptr, message.c_str(), Widen(layout::kTitle).c_str(), MB_OK | MB_ICONERROR);
  std::exit(EXIT_FAILURE);
}

std::string WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return Narrow(text);
}

void SetWindowTextUtf8(HWND window, std::string_view text) {
  SetWindowTextW(window, Widen(text).c_str());
}

bool HighContrastOn() {
  HIGHCONTRASTW highContrast{sizeof highContrast, 0, nullptr};
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof highContrast, &highContrast, 0) &&
         (highContrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

bool FaceInstalled(const wchar_t* face) {
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  std::wcsncpy(wanted.lfFaceName, face, LF_FACESIZE - 1);
  bool found = false;
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExW(
      screen, &wanted,
      [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM seen) {
        *reinterpret_cast<bool*>(seen) = true;
        return 0;
      },
      reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  return found;
}

IAccPropServices* AnnotationService() {
  const auto initialise = Ole32<decltype(CoInitializeEx)>("CoInitializeEx");
  const auto create = Ole32<decltype(CoCreateInstance)>("CoCreateInstance");
  IAccPropServices* service = nullptr;
  if (initialise == nullptr || create == nullptr ||
      FAILED(initialise(nullptr, COINIT_APARTMENTTHREADED)) ||
      FAILED(create(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                    reinterpret_cast<void**>(&service)))) {
    return nullptr;
  }
  return service;
}

SpokenNames::~SpokenNames() {
  if (service_ != nullptr) service_->Release();
}

bool SpokenNames::Start() {
  if (std::exchange(started_, true)) return false;
  service_ = makeService_();
  return service_ != nullptr;
}

void SpokenNames::SetName(HWND control, std::string_view name) const {
  Annotate(service_, control, PROPID_ACC_NAME, name);
}

void SpokenNames::SetValue(HWND control, std::string_view value) const {
  Annotate(service_, control, PROPID_ACC_VALUE, value);
  NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace quorlane::win32
