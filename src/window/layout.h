#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

// The window's make-up as data, read by every front end: kinds, nesting, geometry in twips, texts,
// fonts, colours, alignment and tab order. Each front end lays the controls out from it when the
// window is made, and again only when the window moves to a screen of another DPI.
namespace quorlane::layout {

inline constexpr int kTwipsPerInch = 1440;

inline constexpr std::string_view kTitle = "Quorlane";
inline constexpr int kClientWidth = 3405;
inline constexpr int kClientHeight = 1950;

inline constexpr std::string_view kStartCaption = "会議開始(&S)";
inline constexpr std::string_view kStopCaption = "会議終了(&S)";

// The controls in the order of the table below; front ends reach them by these ids alone.
enum class ControlId {
  Frame1,
  Label2_0,
  txtMemnberCount,
  Label2_1,
  btnStart,
  Frame2,
  Label2_2,
  lblTime,
  Label2_3,
  lblCost
};
inline constexpr std::size_t kControlCount = 10;

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
// The same face as Windows in other languages names it.
inline constexpr std::string_view kReadOutFaceInEnglish = "MS PGothic";
inline constexpr int kShiftJisCharset = 128;

struct Control {
  ControlId id;
  std::string_view objectName;  // the system's own name; a control array's index in brackets
  Kind kind;
  std::optional<ControlId> parent;  // empty: the window's client area
  Rect box;                         // a frame's children are placed from the frame's outer corner
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
constexpr std::array<Control, kControlCount> ControlTable() {
  using enum ControlId;
  // clang-format off
  return {{
    // id            object name        kind          parent  left  top  width height tab text          align         colour font
    {Frame1,          "Frame1",          Kind::Frame,   {},     {90,  60,  3255, 735},  0, "条件設定：",   Align::Left,  {},    {}},
    {Label2_0,        "Label2(0)",       Kind::Label,   Frame1, {180, 300, 975,  255},  4, "参加人数：",   Align::Left,  {},    {}},
    {txtMemnberCount, "txtMemnberCount", Kind::TextBox, Frame1, {1050, 240, 465, 300},  2, "5",            Align::Left,  {},    {}},
    {Label2_1,        "Label2(1)",       Kind::Label,   Frame1, {1560, 300, 315, 255},  5, "人",           Align::Left,  {},    {}},
    {btnStart,        "btnStart",        Kind::Button,  Frame1, {1800, 240, 1305, 315}, 3, kStartCaption,  Align::Left,  {},    {}},
    {Frame2,          "Frame2",          Kind::Frame,   {},     {90,  840, 3255, 1005}, 1, "現状：",       Align::Left,  {},    {}},
    {Label2_2,        "Label2(2)",       Kind::Label,   Frame2, {180, 270, 975,  255},  8, "経過時間：",   Align::Left,  {},    {}},
    {lblTime,         "lblTime",         Kind::Label,   Frame2, {1740, 210, 1395, 255}, 7, "01:10:12",     Align::Right, kBlue, kTimeFont},
    {Label2_3,        "Label2(3)",       Kind::Label,   Frame2, {180, 630, 975,  255},  9, "発生費用：",   Align::Left,  {},    {}},
    {lblCost,         "lblCost",         Kind::Label,   Frame2, {960, 450, 2205, 405},  6, "0円",          Align::Right, kRed,  kCostFont},
  }};
  // clang-format on
}
inline constexpr std::array<Control, kControlCount> kControls = ControlTable();

constexpr const Control& ControlAt(ControlId id) {
  return kControls[static_cast<std::size_t>(id)];
}

constexpr bool TableInIdOrder() {
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    if (static_cast<std::size_t>(kControls[i].id) != i) return false;
  }
  return true;
}
static_assert(TableInIdOrder(), "kControls must list the controls in ControlId order");

inline constexpr int kTickMilliseconds = 1000;

}  // namespace quorlane::layout
