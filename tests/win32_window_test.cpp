#include "window/win32/main_window.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <oleacc.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "settings/wide_text.h"
#include "window/layout.h"
#include "window/settings_warning.h"
#include "window/spoken.h"

// The real window in this process, driven by the messages Windows would send it. Where Wine does
// not answer as Windows would, the test answers the window's questions itself.
namespace quorlane::win32 {
namespace {

using layout::ControlId;
using Clock = std::chrono::steady_clock;
using Pixels = std::tuple<LONG, LONG, LONG, LONG>;  // left, top, width, height

constexpr std::string_view kSettings = "COST_PER_HOUR=3600\r\nMEMBER_COUNT=2\r\n";

// Dynamic Annotation as Windows has it (Wine's answers E_NOTIMPL): keeps what it is told.
class StandInAnnotations final : public IAccPropServices {
 public:
  int made = 0;
  std::map<HWND, std::string> names, values;

  HRESULT WINAPI SetHwndPropStr(HWND hwnd, DWORD, DWORD, MSAAPROPID property,
                                LPCWSTR text) override {
    (property == PROPID_ACC_NAME ? names : values)[hwnd] = Narrow(text);
    return S_OK;
  }
  HRESULT WINAPI QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
  ULONG WINAPI AddRef() override { return 1; }
  ULONG WINAPI Release() override { return 1; }
#define NOT_CALLED(method, ...)                 \
  HRESULT WINAPI method(__VA_ARGS__) override { \
    return E_NOTIMPL;                           \
  }
  NOT_CALLED(SetPropValue, const BYTE*, DWORD, MSAAPROPID, VARIANT)
  NOT_CALLED(SetPropServer, const BYTE*, DWORD, const MSAAPROPID*, int, IAccPropServer*, AnnoScope)
  NOT_CALLED(ClearProps, const BYTE*, DWORD, const MSAAPROPID*, int)
  NOT_CALLED(SetHwndProp, HWND, DWORD, DWORD, MSAAPROPID, VARIANT)
  NOT_CALLED(SetHwndPropServer, HWND, DWORD, DWORD, const MSAAPROPID*, int, IAccPropServer*,
             AnnoScope)
  NOT_CALLED(ClearHwndProps, HWND, DWORD, DWORD, const MSAAPROPID*, int)
  NOT_CALLED(ComposeHwndIdentityString, HWND, DWORD, DWORD, BYTE**, DWORD*)
  NOT_CALLED(DecomposeHwndIdentityString, const BYTE*, DWORD, HWND*, DWORD*, DWORD*)
  NOT_CALLED(SetHmenuProp, HMENU, DWORD, MSAAPROPID, VARIANT)
  NOT_CALLED(SetHmenuPropStr, HMENU, DWORD, MSAAPROPID, LPCWSTR)
  NOT_CALLED(SetHmenuPropServer, HMENU, DWORD, const MSAAPROPID*, int, IAccPropServer*, AnnoScope)
  NOT_CALLED(ClearHmenuProps, HMENU, DWORD, const MSAAPROPID*, int)
  NOT_CALLED(ComposeHmenuIdentityString, HMENU, DWORD, BYTE**, DWORD*)
  NOT_CALLED(DecomposeHmenuIdentityString, const BYTE*, DWORD, HMENU*, DWORD*)
#undef NOT_CALLED
};

// Windows' answers; each test starts from those of a plain desktop.
StandInAnnotations annotations;
bool highContrast = false;
std::set<std::wstring> installedFaces;
int shows = 0;
std::map<HWND, int> valueChanges, paints;

// A window pinned to the corner lands on a second screen at 144 dpi.
UINT DpiOfScreen(HWND window) {
  return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0 ? 144 : 96;
}

constexpr SystemQueries kAnswers{[] { return highContrast; }, DpiOfScreen,
                                 [](const wchar_t* face) { return installedFaces.contains(face); },
                                 []() -> IAccPropServices* {
                                   ++annotations.made;
                                   return &annotations;
                                 }};

// A shortcut set to 最大化: Windows maximises the first show, whatever the program asks.
BOOL WINAPI ShowAsShortcutMaximised(HWND window, int command) {
  return ShowWindow(window, shows++ == 0 ? SW_SHOWMAXIMIZED : command);
}

class Win32WindowTest : public testing::Test {
 protected:
  Win32WindowTest() {
    annotations = {};
    highContrast = false;
    installedFaces = {L"ＭＳ Ｐゴシック"};
    valueChanges.clear();
    paints.clear();
  }
  ~Win32WindowTest() override {
    window_.reset();
    std::filesystem::remove(settings_);
  }

  void Open(std::string_view settings = kSettings, int showCommand = SW_SHOWNORMAL,
            decltype(&ShowWindow) show = ShowWindow) {
    std::ofstream(settings_, std::ios::binary) << "[DATA]\r\n" << settings;
    window_.reset();
    window_ = std::make_unique<MainWindow>(
        GetModuleHandleW(nullptr),
        [this] {
          ++clockReads_;
          return now_;
        },
        [this] { return settings_.native(); }, kAnswers);
    window_->Show(showCommand, show);
    Pump(std::chrono::milliseconds(50));  // as far as the names given once it is on screen
  }

  HWND Handle(ControlId id) const { return window_->Handle(id); }

  // As the program's loop does, for a while or until there has been a tick.
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

  Pixels Outer() const {
    RECT outer{};
    GetWindowRect(window_->Handle(), &outer);
    return {outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top};
  }

  LOGFONTW Font(ControlId id) const {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Handle(id), WM_GETFONT, 0, 0)), sizeof font,
               &font);
    return font;
  }

  COLORREF TextColour(ControlId id) const {
    HDC dc = CreateCompatibleDC(nullptr);
    SendMessageW(window_->Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(Handle(id)));
    const COLORREF colour = GetTextColor(dc);
    DeleteDC(dc);
    return colour;
  }

  // One file per test, so that tests may run side by side.
  std::filesystem::path settings_ =
      std::filesystem::temp_directory_path() /
      ("quorlane_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()) +
       ".ini");
  DateTime now_ = MakeDateTime(2024, 5, 1, 9, 0, 0);
  int clockReads_ = 0;
  std::unique_ptr<MainWindow> window_;
};

// At the DPI when made, then at the DPI and place Windows suggests on a move to another screen.
// Pinned, to the corner from wherever it stands, same size, above others: pinned by its settings,
// at the DPI of the corner's screen.
TEST_F(Win32WindowTest, LayoutFollowsTheDpiAndTheSuggestedPlace) {
  const Pixels attendees96{76, 20, 31, 20}, attendees144{114, 30, 47, 30};
  Open();
  const RECT suggested{300, 200, 700, 500};
  for (const auto& [dpi, attendees, cost, costFont] :
       {std::tuple{96U, attendees96, Pixels{70, 86, 147, 27}, -29L},
        {144U, attendees144, {105, 129, 221, 41}, -44L}}) {
    SCOPED_TRACE(dpi);
    if (dpi != 96)
      SendMessageW(window_->Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                   reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(Box(ControlId::txtMemnberCount), attendees);
    EXPECT_EQ(Box(ControlId::lblCost), cost);
    EXPECT_EQ(Font(ControlId::lblCost).lfHeight, costFont);
  }
  const auto [left, top, width, height] = Outer();
  EXPECT_EQ(std::pair(left, top), std::pair(suggested.left, suggested.top));
  static_cast<FormControl&>(*window_).PinTopLeft();
  EXPECT_EQ(Outer(), Pixels(0, 0, width, height));
  Open(std::string(kSettings) + "WINDOW_TOP_POS=1\r\n");
  EXPECT_EQ(Box(ControlId::txtMemnberCount), attendees144);
}

// Blue and red on a light face, lighter tints on a dark one (Adwaita's 50,50,50), every label in
// the theme's text colour under high contrast: read when made and when the setting changes.
TEST_F(Win32WindowTest, ReadOutColoursSuitTheFaceAndHighContrast) {
  const COLORREF theme = GetSysColor(COLOR_WINDOWTEXT);
  const int faceIndex = COLOR_BTNFACE;
  const COLORREF face = GetSysColor(faceIndex);
  for (const auto& [background, time, cost] :
       {std::tuple{face, RGB(0, 0, 255), RGB(255, 0, 0)},
        {RGB(50, 50, 50), RGB(141, 141, 255), RGB(255, 103, 103)}}) {
    SetSysColors(1, &faceIndex, &background);
    for (const bool atStart : {false, true}) {
      highContrast = atStart;
      Open();
      for (const bool change : {false, true}) {
        if (change) {
          highContrast = !atStart;
          SendMessageW(window_->Handle(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
        }
        SCOPED_TRACE(testing::Message() << highContrast << " on " << background);
        EXPECT_EQ(TextColour(ControlId::lblTime), highContrast ? theme : time);
        EXPECT_EQ(TextColour(ControlId::lblCost), highContrast ? theme : cost);
        EXPECT_EQ(TextColour(ControlId::Label2_3), theme);
      }
    }
  }
  SetSysColors(1, &faceIndex, &face);
}

// From where a text starts to its last glyph's ink: the blank after it is its C width.
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

// Captions in the message font (Text size makes it larger), smaller only where it would cut their
// ink out of the room no other control covers (a frame's caption stands 10 pixels in, a button's
// edges take 3).
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
      EXPECT_EQ(Font(id).lfHeight == metrics.lfMessageFont.lfHeight, fitsAsGiven);
      LOGFONTW taller = Font(id);  // where shrunk, to the largest pixel height that fits
      --taller.lfHeight;
      const UniqueFont tallerFont(CreateFontIndirectW(&taller));
      EXPECT_TRUE(fitsAsGiven || std::ranges::any_of(captions, [&](const std::wstring& caption) {
                    return InkWidth(Handle(id), tallerFont.get(), caption) > room;
                  }));
    }
  }
  SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof desktop, &desktop, 0);
}

// 最大化 opens the fixed-size window normal, also where Windows maximises the first show itself;
// 最小化 keeps it minimised. The read-outs' face by its Japanese name, or by the English one where
// only that is known.
TEST_F(Win32WindowTest, StartStateAndReadOutFace) {
  for (const auto& [command, show, state] :
       {std::tuple{SW_SHOWMAXIMIZED, &ShowAsShortcutMaximised, WindowState::Normal},
        {SW_SHOWMAXIMIZED, ShowWindow, WindowState::Normal},
        {SW_SHOWMINNOACTIVE, ShowWindow, WindowState::Minimised}}) {
    SCOPED_TRACE(command);
    shows = 0;
    Open(kSettings, command, show);
    EXPECT_EQ(static_cast<FormControl&>(*window_).State(), state);
  }
  for (const auto& [installed, face] :
       {std::pair<std::set<std::wstring>, std::wstring>{{L"ＭＳ Ｐゴシック", L"MS PGothic"},
                                                        L"ＭＳ Ｐゴシック"},
        {{L"MS PGothic"}, L"MS PGothic"},
        {{}, L"ＭＳ Ｐゴシック"}}) {
    installedFaces = installed;
    Open();
    for (const ControlId id : layout::kReadOuts) EXPECT_EQ(Font(id).lfFaceName, face);
  }
}

// Ids for AutomationId and GetDlgItem; WM_COMMAND goes by them. Enter comes as IDOK from no
// control and presses the focused button alone. Alt+Tab away and back, and a minimise and restore
// from the taskbar (activated while still minimised, then the window itself focused; Wine focuses
// the control), leave the focus where it was.
TEST_F(Win32WindowTest, EnterStartsTheMeetingThatTicksOnceASecondWhereTheFocusWas) {
  Open();
  HWND window = window_->Handle();
  std::set<int> ids;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    ids.insert(GetDlgCtrlID(child));
  EXPECT_EQ(ids.size(), layout::kControlCount);
  EXPECT_FALSE(ids.contains(0));
  HWND box = Handle(ControlId::txtMemnberCount), button = Handle(ControlId::btnStart);
  SendMessageW(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), BN_CLICKED),
               reinterpret_cast<LPARAM>(box));
  SetFocus(box);
  SendMessageW(window, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(WindowText(button), layout::kStartCaption);

  SetFocus(button);
  HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr,
                               nullptr, nullptr, nullptr);
  SetActiveWindow(other);
  ASSERT_NE(GetFocus(), button);
  SetActiveWindow(window);
  EXPECT_EQ(GetFocus(), button);
  DestroyWindow(other);
  SendMessageW(window, WM_ACTIVATE, WA_INACTIVE, 0);
  ShowWindow(window, SW_MINIMIZE);
  SetFocus(nullptr);
  SendMessageW(window, WM_ACTIVATE, MAKEWPARAM(WA_CLICKACTIVE, TRUE), 0);
  ShowWindow(window, SW_RESTORE);
  SetFocus(window);
  EXPECT_EQ(GetFocus(), button);

  // No tick in the first half second, then one (each tick reads the clock twice).
  SendMessageW(window, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(WindowText(button), layout::kStopCaption);
  const int atStart = clockReads_;
  Pump(std::chrono::milliseconds(500));
  EXPECT_EQ(clockReads_, atStart);
  Pump(std::chrono::seconds(5), true);
  EXPECT_EQ(clockReads_, atStart + 2);
}

// Every drawing of a label asks the window for its colours.
LRESULT CALLBACK CountLabelPaints(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR) {
  if (message == WM_CTLCOLORSTATIC) ++paints[HWND(lParam)];
  return DefSubclassProc(window, message, wParam, lParam);
}

// Screen readers hear the table's names, through one annotation service, and of a figure only when
// it changed (60 yen an hour stays 0円 for two seconds). A tick writes the cost twice; each
// read-out is drawn once, when the tick is done.
TEST_F(Win32WindowTest, ScreenReadersHearTheNamesAndChangedFiguresDrawnOnceATick) {
  Open("COST_PER_HOUR=60\r\nMEMBER_COUNT=1\r\n");
  for (const layout::Control& control : layout::kControls) {
    SCOPED_TRACE(control.objectName);
    EXPECT_EQ(annotations.names[Handle(control.id)], layout::SpokenName(control.id));
  }
  EXPECT_EQ(annotations.values[Handle(ControlId::lblTime)], "00:00:00");
  const HWINEVENTHOOK hook = SetWinEventHook(
      EVENT_OBJECT_VALUECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr,
      [](HWINEVENTHOOK, DWORD, HWND control, LONG, LONG, DWORD, DWORD) { ++valueChanges[control]; },
      GetCurrentProcessId(), GetCurrentThreadId(), WINEVENT_OUTOFCONTEXT);
  SetWindowSubclass(window_->Handle(), CountLabelPaints, 1, 0);
  SendMessageW(Handle(ControlId::btnStart), BM_CLICK, 0, 0);
  for (int tick = 0; tick < 2; ++tick) {
    now_.secondsSinceEpoch += 1;
    SendMessageW(window_->Handle(), WM_TIMER, 1, 0);
    Pump(std::chrono::milliseconds(50));
  }
  RemoveWindowSubclass(window_->Handle(), CountLabelPaints, 1);
  UnhookWinEvent(hook);
  EXPECT_EQ(annotations.names[Handle(ControlId::btnStart)], "会議終了");
  EXPECT_EQ(annotations.values[Handle(ControlId::lblTime)], "00:00:02");
  EXPECT_EQ(valueChanges, (std::map<HWND, int>{{Handle(ControlId::lblTime), 2}}));
  EXPECT_EQ(annotations.made, 1);
  for (const ControlId id : layout::kReadOuts) EXPECT_EQ(paints[Handle(id)], 2);
}

// Windows' lookup reads a UTF-8 file's byte-order mark as part of "[DATA]" and finds no value (Wine
// reads past it): the warning says how to save the file. Opened inside a zip in Explorer, the
// program stands alone in a folder named after the zip: the warning says to extract it first.
TEST(SettingsWarningOnWindows, SaysHowToMendTheFile) {
  const std::filesystem::path temp = std::filesystem::temp_directory_path();
  for (const auto& [file, mark, warning] :
       {std::tuple{
            temp / "quorlane_marked.ini", "\xEF\xBB\xBF",
            "設定ファイルが「UTF-8 (BOM 付き)」で保存されているため、COST_PER_HOUR を読めませ"
            "ん。メモ帳で開き、「名前を付けて保存」で文字コードを「ANSI」か「UTF-8」にして保存"
            "し直してください。"},
        {temp / "quorlane_unmarked.ini", "",
         "設定ファイルの [DATA] に COST_PER_HOUR がありません。"},
        {temp / "Temp1_Quorlane-1.0.0-windows-x64.zip" / "Quorlane.ini", nullptr,
         "設定ファイルが見つからないため、COST_PER_HOUR を読めません。zip ファイルの中から起動され"
         "ています。zip ファイルを右クリックして「すべて展開」を選び、展開したフォルダーの "
         "Quorlane.exe を起動してください。"}}) {
    if (mark) std::ofstream(file, std::ios::binary) << mark << "[DATA]\r\nMEMBER_COUNT=2\r\n";
    EXPECT_EQ(SettingsWarning(WhyNoValue(file.native()), "COST_PER_HOUR", file.native(), "ERROR"),
              warning + ("\n" + Narrow(file.native())));
    std::filesystem::remove(file);
  }
}

}  // namespace
}  // namespace quorlane::win32
