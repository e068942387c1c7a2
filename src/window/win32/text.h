#pragma once

#include <string>
#include <string_view>

// The handlers speak UTF-8; the "W" functions want UTF-16.
namespace quorlane {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace quorlane
