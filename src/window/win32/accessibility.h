#pragma once

#include <windows.h>

#include <string_view>

// What screen readers hear, set through the system's Dynamic Annotation (oleacc): a name that
// holds whatever the control's text, and a read-out's text as its value. Without COM (or without
// oleacc, as on some Wine set-ups) controls keep the names Windows gives them from their texts.
namespace quorlane::win32 {

void SetSpokenName(HWND control, std::string_view name);
// Also tells listening screen readers that the value changed.
void SetSpokenValue(HWND control, std::string_view value);

}  // namespace quorlane::win32
