#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// The window's make-up as data, read by every front end: kinds, nesting, geometry in twips, texts,
// fonts, colours, alignment and tab order. Nothing moves or resizes a control after creation.
namespace quorlane::layout {

inline constexpr int kTwipsPerInch = 1440;

inline constexpr std::string_view kTitle = "Quorlane";
inline constexpr int kClientWidth = 3405;
inline constexpr int kClientHeight = 1950;

inline constexpr std::string_view kStartCaption = "会議開始(&S)";
inline constexpr std::string_view kStopCaption = "会議終了(&S)";

enum class Kind { Frame, Label, TextBox, Button };
enum class Align { Left, Right };

struct Rect {
  int left;
  int top;
  int width;
  int height;
};

struct Rgb {
  std::uint8_t red;
  std::uint8_t green;
  std::uint8_t blue;
};

struct Font {
  std::string_view face;
  double points;
  int weight;
  int charset;  // Windows charset code
};

inline constexpr std::string_view kReadOutFace = "ＭＳ Ｐゴシック";
inline constexpr int kShiftJisCharset = 128;

struct Control {
  std::string_view name;
  int index;  // place in a control array such as Label2, or -1
  Kind kind;
  std::string_view parent;  // empty: the window's client area
  Rect box;                 // a frame's children are placed from the frame's outer corner
  int tabIndex;
  std::string_view text;
  Align align;
  std::optional<Rgb> color;  // empty: the platform's default
  std::optional<Font> font;  // empty: the platform's default user-interface font
};

inline constexpr Font kTimeFont{kReadOutFace, 12.0, 400, kShiftJisCharset};
inline constexpr Font kCostFont{kReadOutFace, 21.75, 400, kShiftJisCharset};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kRed{255, 0, 0};

// Parents come before their children.
// clang-format off
inline constexpr std::array<Control, 10> kControls{{
    // name            index kind          parent    left  top   width height tab text          align         colour font
    {"Frame1",          -1, Kind::Frame,   "",       {90,  60,  3255, 735},  0, "条件設定：",   Align::Left,  {},    {}},
    {"Label2",           0, Kind::Label,   "Frame1", {180, 300, 975,  255},  4, "参加人数：",   Align::Left,  {},    {}},
    {"txtMemnberCount", -1, Kind::TextBox, "Frame1", {1050, 240, 465, 300},  2, "5",            Align::Left,  {},    {}},
    {"Label2",           1, Kind::Label,   "Frame1", {1560, 300, 315, 255},  5, "人",           Align::Left,  {},    {}},
    {"btnStart",        -1, Kind::Button,  "Frame1", {1800, 240, 1305, 315}, 3, kStartCaption,  Align::Left,  {},    {}},
    {"Frame2",          -1, Kind::Frame,   "",       {90,  840, 3255, 1005}, 1, "現状：",       Align::Left,  {},    {}},
    {"Label2",           2, Kind::Label,   "Frame2", {180, 270, 975,  255},  8, "経過時間：",   Align::Left,  {},    {}},
    {"lblTime",         -1, Kind::Label,   "Frame2", {1740, 210, 1395, 255}, 7, "01:10:12",     Align::Right, kBlue, kTimeFont},
    {"Label2",           3, Kind::Label,   "Frame2", {180, 630, 975,  255},  9, "発生費用：",   Align::Left,  {},    {}},
    {"lblCost",         -1, Kind::Label,   "Frame2", {960, 450, 2205, 405},  6, "0円",          Align::Right, kRed,  kCostFont},
}};
// clang-format on

inline constexpr int kTickMilliseconds = 1000;

// What assistive technology hears. Controls listed here carry their own name, and a read-out's
// text is its value; any other control is named by its text without the access-key mark and the
// closing colon.
struct Spoken {
  std::string_view control;
  std::string_view name;
  bool textIsValue;
};

inline constexpr std::array<Spoken, 3> kSpoken{{
    {"txtMemnberCount", "参加人数", false},
    {"lblTime", "経過時間", true},
    {"lblCost", "発生費用", true},
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

constexpr const Spoken* FindSpoken(std::string_view control) {
  for (const Spoken& spoken : kSpoken) {
    if (spoken.control == control) return &spoken;
  }
  return nullptr;
}

// The name a control has from creation on; the button's follows its caption.
constexpr std::string_view SpokenName(const Control& control) {
  const Spoken* spoken = FindSpoken(control.name);
  return spoken != nullptr ? spoken->name : SpokenText(control.text);
}

}  // namespace quorlane::layout
