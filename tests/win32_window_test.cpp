#include "window/win32/main_window.h"

#include <gtest/gtest.h>
#include <oleacc.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "settings/wide_text.h"
#include "window/layout.h"
#include "window/placement.h"
#include "window/spoken.h"

// The real window in this process, driven by the messages Windows would send it.
namespace quorlane::win32 {
namespace {

using layout::ControlId;
using Clock = std::chrono::steady_clock;
using Pixels = std::tuple<LONG, LONG, LONG, LONG>;  // left, top, width, height

class Win32WindowTest : public testing::Test {
 protected:
  ~Win32WindowTest() override { std::filesystem::remove(settings_); }

  // 3600 yen per attendee-hour and two attendees, shown normal.
  void Open() {
    std::ofstream(settings_, std::ios::binary)
        << "[DATA]\r\nCOST_PER_HOUR=3600\r\nMEMBER_COUNT=2\r\n";
    window_ = std::make_unique<MainWindow>(
        GetModuleHandleW(nullptr),
        [this] {
          ++clockReads_;
          return now_;
        },
        [this] { return settings_.native(); });
    window_->Show(SW_SHOWNORMAL);
    Pump(std::chrono::milliseconds(50));  // as far as the names given once it is on screen
  }

  HWND Handle(ControlId id) const { return window_->Handle(id); }
  std::string Text(ControlId id) const { return WindowText(Handle(id)); }

  // Dispatches messages as the program's loop does, for a while or until there has been a tick.
  void Pump(Clock::duration limit, bool untilTick = false) {
    const int reads = clockReads_;
    for (const auto end = Clock::now() + limit; Clock::now() < end;) {
      if (untilTick && clockReads_ > reads) return;
      MSG message;
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
      Sleep(5);
    }
  }

  Pixels Box(ControlId id) const {  // in the client area
    RECT box{};
    GetWindowRect(Handle(id), &box);
    MapWindowPoints(HWND_DESKTOP, window_->Handle(), reinterpret_cast<POINT*>(&box), 2);
    return {box.left, box.top, box.right - box.left, box.bottom - box.top};
  }

  LONG FontHeight(ControlId id) const {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Handle(id), WM_GETFONT, 0, 0)), sizeof font,
               &font);
    return font.lfHeight;
  }

  std::filesystem::path settings_ =
      std::filesystem::temp_directory_path() / L"quorlane_win32_window_test.ini";
  DateTime now_ = MakeDateTime(2024, 5, 1, 9, 0, 0);
  int clockReads_ = 0;
  std::unique_ptr<MainWindow> window_;
};

// At the window's DPI when made, and again at the DPI and place Windows suggests on a move to
// another screen: half pixels round up, the read-outs' fonts scale with the boxes. The colours a
// label's WM_CTLCOLORSTATIC sets; high contrast is asked of the rule, as Wine cannot switch it on.
TEST_F(Win32WindowTest, LayoutFollowsTheDpiAndTheSuggestedPlaceInTheReadOutsColours) {
  Open();
  // This test program declares no DPI awareness.
  ASSERT_EQ(GetDpiForWindow(window_->Handle()), 96u);
  const RECT suggested{300, 200, 700, 500};
  const std::tuple<UINT, Pixels, Pixels, LONG> layouts[] = {
      {96, {76, 20, 31, 20}, {70, 86, 147, 27}, -29},
      {144, {114, 30, 47, 30}, {105, 129, 221, 41}, -44}};
  for (const auto& [dpi, attendees, cost, costFont] : layouts) {
    SCOPED_TRACE(dpi);
    if (dpi != 96) {
      SendMessageW(window_->Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                   reinterpret_cast<LPARAM>(&suggested));
      RECT outer{};
      GetWindowRect(window_->Handle(), &outer);
      EXPECT_EQ(std::pair(outer.left, outer.top), std::pair(suggested.left, suggested.top));
    }
    EXPECT_EQ(Box(ControlId::txtMemnberCount), attendees);
    EXPECT_EQ(Box(ControlId::lblCost), cost);
    EXPECT_EQ(FontHeight(ControlId::lblCost), costFont);
  }
  // On a dark face (Adwaita's 50,50,50 as a desktop colour) the read-outs take lighter tints.
  const COLORREF themeText = GetSysColor(COLOR_WINDOWTEXT);
  const int faceIndex = COLOR_BTNFACE;
  const COLORREF face = GetSysColor(faceIndex);
  HDC dc = CreateCompatibleDC(nullptr);
  for (const auto& [background, time, cost] :
       {std::tuple{face, RGB(0, 0, 255), RGB(255, 0, 0)},
        {RGB(50, 50, 50), RGB(141, 141, 255), RGB(255, 103, 103)}}) {
    SetSysColors(1, &faceIndex, &background);
    for (const auto& [id, colour] : {std::pair{ControlId::lblTime, time},
                                     {ControlId::lblCost, cost},
                                     {ControlId::Label2_3, themeText}}) {
      SCOPED_TRACE(layout::ControlAt(id).objectName);
      SendMessageW(window_->Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                   reinterpret_cast<LPARAM>(Handle(id)));
      EXPECT_EQ(GetTextColor(dc), colour);
      EXPECT_EQ(LabelTextColor(layout::ControlAt(id), true), themeText);
    }
  }
  SetSysColors(1, &faceIndex, &face);
  DeleteDC(dc);
}

// From where a text starts to its last glyph's ink, in the control's font.
LONG InkWidth(HWND control, HFONT font, const std::wstring& text) {
  HDC dc = GetDC(control);
  HGDIOBJ previous = SelectObject(dc, font);
  SIZE advance{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &advance);
  ABC last{};
  GetCharABCWidthsW(dc, text.back(), text.back(), &last);
  SelectObject(dc, previous);
  ReleaseDC(control, dc);
  return advance.cx - std::max(0, last.abcC);
}

// Captions in the message font (Settings > Accessibility > Text size makes it larger), their ink
// whole in the part of their boxes that no other control covers (at 96 dpi; a frame's caption
// stands 10 pixels in, a button's edges take 3), and smaller only where that font would cut them.
TEST_F(Win32WindowTest, CaptionsTakeTheMessageFontAndShrinkOnlyWhereItWouldCutThem) {
  NONCLIENTMETRICSW desktop{};
  desktop.cbSize = sizeof desktop;
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof desktop, &desktop, 0));
  for (const int points : {9, 11, 12, 14}) {
    NONCLIENTMETRICSW metrics = desktop;
    metrics.lfMessageFont.lfHeight = -MulDiv(points, 96, 72);
    SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    Open();
    const UniqueFont message(CreateFontIndirectW(&metrics.lfMessageFont));
    for (const auto& [id, room, captions] :
         {std::tuple{ControlId::Frame1, 197L, std::vector<std::wstring>{L"条件設定："}},
          {ControlId::Label2_0, 58L, {L"参加人数："}},  // up to the attendee box
          {ControlId::Label2_1, 16L, {L"人"}},          // up to the button
          {ControlId::btnStart, 81L, {L"会議開始(S)", L"会議終了(S)"}},
          {ControlId::Frame2, 197L, {L"現状："}},
          {ControlId::Label2_2, 65L, {L"経過時間："}},
          {ControlId::Label2_3, 65L, {L"発生費用："}}}) {  // the read-out lies beneath
      SCOPED_TRACE(testing::Message() << layout::ControlAt(id).objectName << " at " << points);
      const auto shown = reinterpret_cast<HFONT>(SendMessageW(Handle(id), WM_GETFONT, 0, 0));
      bool fitsAsGiven = true;
      for (const std::wstring& caption : captions) {
        EXPECT_LE(InkWidth(Handle(id), shown, caption), room) << Narrow(caption);
        fitsAsGiven = fitsAsGiven && InkWidth(Handle(id), message.get(), caption) <= room;
      }
      EXPECT_EQ(FontHeight(id) == metrics.lfMessageFont.lfHeight, fitsAsGiven);
    }
  }
  SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof desktop, &desktop, 0);
}

// Tab walks the tab column. Enter comes from IsDialogMessageW as IDOK from no control; it presses
// the focused button and nothing else, and so does Space; the meeting then ticks.
TEST_F(Win32WindowTest, TabEnterAndSpaceStartAndStopTheMeetingThatTicksOnceASecond) {
  Open();
  HWND window = window_->Handle();
  HWND first = GetNextDlgTabItem(window, nullptr, FALSE);
  EXPECT_EQ(first, Handle(layout::kFocusOrder[0]));
  EXPECT_EQ(GetNextDlgTabItem(window, first, FALSE), Handle(layout::kFocusOrder[1]));
  HWND button = Handle(ControlId::btnStart);
  SetFocus(Handle(ControlId::txtMemnberCount));
  SendMessageW(window, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(Text(ControlId::btnStart), layout::kStartCaption);
  SetFocus(button);
  SendMessageW(window, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(Text(ControlId::btnStart), layout::kStopCaption);
  SendMessageW(button, WM_KEYDOWN, VK_SPACE, 0);
  SendMessageW(button, WM_KEYUP, VK_SPACE, 0);
  EXPECT_EQ(Text(ControlId::btnStart), layout::kStartCaption);
  // Once a second: no tick in the first half second, then one (each tick reads the clock twice).
  SendMessageW(window, WM_COMMAND, IDOK, 0);
  const int atStart = clockReads_;
  Pump(std::chrono::milliseconds(500));
  EXPECT_EQ(clockReads_, atStart);
  Pump(std::chrono::seconds(5), true);
  EXPECT_EQ(clockReads_, atStart + 2);
}

// Typed digits must land in the box again after Alt+Tab away and back. WINDOW_TOP_POS=1 from
// wherever the window stands: to the corner, same size, above others.
TEST_F(Win32WindowTest, FocusComesBackOnActivationAndThePinMovesToTheCornerAbove) {
  Open();
  HWND window = window_->Handle();
  SetFocus(Handle(ControlId::btnStart));
  HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr,
                               nullptr, nullptr, nullptr);
  SetActiveWindow(other);
  ASSERT_NE(GetFocus(), Handle(ControlId::btnStart));
  SetActiveWindow(window);
  EXPECT_EQ(GetFocus(), Handle(ControlId::btnStart));
  DestroyWindow(other);
  SetWindowPos(window, nullptr, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  RECT before{}, after{};
  GetWindowRect(window, &before);
  static_cast<FormControl&>(*window_).PinTopLeft();
  GetWindowRect(window, &after);
  EXPECT_EQ(std::tuple(after.left, after.top, after.right, after.bottom),
            std::tuple(0L, 0L, before.right - before.left, before.bottom - before.top));
  EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

std::string SpokenNameOf(HWND control) {
  IAccessible* accessible = nullptr;
  BSTR name = nullptr;
  VARIANT self{};
  self.vt = VT_I4;  // lVal 0: the control itself
  if (SUCCEEDED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                           IID_IAccessible,
                                           reinterpret_cast<void**>(&accessible)))) {
    accessible->get_accName(self, &name);
    accessible->Release();
  }
  const std::string spoken = Narrow(name != nullptr ? name : L"");
  SysFreeString(name);
  return spoken;
}

// Screen readers hear the table's names. Wine's oleacc has no Dynamic Annotation (SetHwndPropStr
// answers E_NOTIMPL); there it names controls by their texts, the box by the label made before it.
TEST_F(Win32WindowTest, ScreenReadersHearTheTablesNames) {
  Open();
  const bool annotated = SpokenNameOf(Handle(ControlId::lblCost)) != "0円";
  for (const auto& [id, byText] : {std::pair{ControlId::txtMemnberCount, "参加人数："},
                                   {ControlId::btnStart, "会議開始(S)"},
                                   {ControlId::lblTime, "00:00:00"},
                                   {ControlId::lblCost, "0円"}}) {
    SCOPED_TRACE(layout::ControlAt(id).objectName);
    EXPECT_EQ(SpokenNameOf(Handle(id)), annotated ? layout::SpokenName(id) : byText);
  }
}

}  // namespace
}  // namespace quorlane::win32
