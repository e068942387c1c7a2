#pragma once

#include <array>
#include <string_view>

#include "window/layout.h"

// What assistive technology hears. Controls listed here carry their own name, and a read-out's text
// is its value; any other control is named by its text without the access-key mark and the closing
// colon.
namespace quorlane::layout {

struct Spoken {
  ControlId control;
  std::string_view name;
  bool textIsValue;
};

inline constexpr std::array<Spoken, 3> kSpoken{{
    {ControlId::txtMemnberCount, "参加人数", false},
    {ControlId::lblTime, "経過時間", true},
    {ControlId::lblCost, "発生費用", true},
}};

// "会議開始(&S)" is spoken "会議開始" (the shortcut is announced on its own), "現状：" "現状".
constexpr std::string_view SpokenText(std::string_view caption) {
  constexpr std::string_view kColon = "：";
  if (const auto mark = caption.find("(&"); mark != std::string_view::npos) {
    caption = caption.substr(0, mark);
  }
  if (caption.ends_with(kColon)) caption.remove_suffix(kColon.size());
  return caption;
}

constexpr const Spoken* FindSpoken(ControlId id) {
  for (const Spoken& spoken : kSpoken) {
    if (spoken.control == id) return &spoken;
  }
  return nullptr;
}

// The name a control has from creation on; the button's follows its caption.
constexpr std::string_view SpokenName(ControlId id) {
  const Spoken* spoken = FindSpoken(id);
  return spoken != nullptr ? spoken->name : SpokenText(ControlAt(id).text);
}

// A read-out: its name says what it shows, its text is the figure.
constexpr bool TextIsValue(ControlId id) {
  const Spoken* spoken = FindSpoken(id);
  return spoken != nullptr && spoken->textIsValue;
}

inline constexpr std::array<ControlId, 2> kReadOuts{ControlId::lblTime, ControlId::lblCost};
static_assert(TextIsValue(kReadOuts[0]) && TextIsValue(kReadOuts[1]));

}  // namespace quorlane::layout
