#pragma once

#include <windows.h>

namespace quorlane::win32 {

// A function of a system DLL, looked up at run time (the DLL loaded if need be): null where this
// Windows lacks it.
template <typename Function>
Function* SystemFunction(const wchar_t* dll, const char* name) {
  const FARPROC address = GetProcAddress(LoadLibraryW(dll), name);
  return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(address));
}

}  // namespace quorlane::win32
