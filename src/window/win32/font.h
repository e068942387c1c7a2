#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace quorlane::win32 {

struct FontDeleter {
  void operator()(HFONT font) const { DeleteObject(font); }
};
// A GDI font, deleted with its owner; a control must not outlive the font it was given.
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

}  // namespace quorlane::win32
