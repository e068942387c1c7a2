#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <fstream>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>

#include "clock/meeting_clock.h"
#include "window/qt/main_window.h"

void PrintTo(const QString& text, std::ostream* out) {  // readable failure messages
  *out << '"' << text.toStdString() << '"';
}

namespace quorlane {
namespace {

class QtWindowTest : public ::testing::Test {
 protected:
  // Two attendees: at 3600 yen per attendee-hour, two yen for each second.
  void Open(int costPerHour = 3600) {
    std::ofstream(settings_.toStdString(), std::ios::binary)
        << "[DATA]\r\nCOST_PER_HOUR=" << costPerHour << "\r\nMEMBER_COUNT=2\r\n";
    window_ = std::make_unique<MainWindow>([this] { return now_; },
                                           [this] { return settings_.toStdString(); });
  }

  // By the object name the system gives it: that the names are there is part of what is tested.
  template <class Widget>
  Widget& Named(std::string_view name) const {
    if (auto* widget = window_->findChild<Widget*>(QString::fromUtf8(name))) return *widget;
    throw std::runtime_error("no widget named " + std::string(name));
  }

  void Tick(int seconds) {
    now_.secondsSinceEpoch += seconds;
    QMetaObject::invokeMethod(&Named<QTimer>("tmrMain"), "timeout");
  }

  QTemporaryDir dir_;
  QString settings_ = dir_.filePath(QStringLiteral("Quorlane.ini"));
  DateTime now_ = MakeDateTime(2024, 5, 1, 9, 0, 0);
  std::unique_ptr<MainWindow> window_;
};

// The table's boxes at 96 and 144 dpi (15 and 10 twips to a pixel, half a pixel up) in the frames
// it names.
TEST_F(QtWindowTest, LayoutAsDesigned) {
  Open();
  // CTest runs this file again at 1.5 and 2 device pixels per pixel, and on a 144 dpi screen.
  const int dpi = qRound(window_->screen()->logicalDotsPerInch());
  ASSERT_TRUE(dpi == 96 || dpi == 144) << dpi;
  const bool at96 = dpi == 96;
  const double factor = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
  ASSERT_EQ(window_->devicePixelRatioF(), factor);
  EXPECT_EQ(window_->grab().size(), (QSizeF(at96 ? 227 : 341, at96 ? 130 : 195) * factor).toSize());
  EXPECT_EQ(window_->minimumSize(), window_->maximumSize());
  EXPECT_FALSE(window_->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(window_->windowIcon().availableSizes(), QList<QSize>({{32, 32}, {24, 24}, {16, 16}}));
  for (const auto& [name, parent, box96, box144] :
       {std::tuple{"Frame1", "", QRect(6, 4, 217, 49), QRect(9, 6, 326, 74)},
        {"Label2(0)", "Frame1", QRect(12, 20, 65, 17), QRect(18, 30, 98, 26)},
        {"txtMemnberCount", "Frame1", QRect(70, 16, 31, 20), QRect(105, 24, 47, 30)},
        {"Label2(1)", "Frame1", QRect(104, 20, 21, 17), QRect(156, 30, 32, 26)},
        {"btnStart", "Frame1", QRect(120, 16, 87, 21), QRect(180, 24, 131, 32)},
        {"Frame2", "", QRect(6, 56, 217, 67), QRect(9, 84, 326, 101)},
        {"Label2(2)", "Frame2", QRect(12, 18, 65, 17), QRect(18, 27, 98, 26)},
        {"lblTime", "Frame2", QRect(116, 14, 93, 17), QRect(174, 21, 140, 26)},
        {"Label2(3)", "Frame2", QRect(12, 42, 65, 17), QRect(18, 63, 98, 26)},
        {"lblCost", "Frame2", QRect(64, 30, 147, 27), QRect(96, 45, 221, 41)}}) {
    SCOPED_TRACE(name);
    QWidget& widget = Named<QWidget>(name);
    EXPECT_EQ(widget.geometry(), at96 ? box96 : box144);
    EXPECT_EQ(widget.parentWidget()->objectName(), QString::fromUtf8(parent));
    const bool focusable = widget.inherits("QLineEdit") || widget.inherits("QPushButton");
    EXPECT_EQ(widget.focusPolicy() != Qt::NoFocus, focusable);
  }
  for (const auto& [name, points] : {std::pair{"lblTime", 12.0}, {"lblCost", 21.75}}) {
    const auto& label = Named<QLabel>(name);
    EXPECT_TRUE(QStringList({"ＭＳ Ｐゴシック", "IPAPGothic"}).contains(label.fontInfo().family()));
    EXPECT_EQ(label.font().pointSizeF(), points);
    EXPECT_EQ(label.font().weight(), QFont::Normal);
    EXPECT_EQ(label.alignment(), Qt::AlignRight | Qt::AlignTop);
  }
  const auto& caption = Named<QLabel>("Label2(2)");
  EXPECT_EQ(caption.font(), QApplication::font());
  EXPECT_EQ(caption.palette(), QApplication::palette());
  EXPECT_EQ(caption.alignment(), Qt::AlignLeft | Qt::AlignTop);
}

// Captions in the desktop's font, their ink whole in the part of their boxes that no other control
// covers (at 96 dpi; a frame's caption stands 10 pixels in, a button's edges take 3), and smaller
// only where that font would cut them.
TEST_F(QtWindowTest, CaptionsTakeTheDesktopsFontAndShrinkOnlyWhereItWouldCutThem) {
  const QFont desktop = QApplication::font();
  const auto inkWidth = [](const QFont& drawn, const QString& text) {
    return QFontMetrics(drawn).boundingRect(text).right() + 1;
  };
  for (const double points : {9.0, 11.0, 12.0, 14.0}) {
    QFont font = desktop;
    font.setPointSizeF(points);
    QApplication::setFont(font);
    Open();
    for (const auto& [name, room, captions] :
         {std::tuple{"Frame1", 197, QStringList{"条件設定："}},
          {"Label2(0)", 58, {"参加人数："}},  // up to the attendee box
          {"Label2(1)", 16, {"人"}},          // up to the button
          {"btnStart", 81, {"会議開始(S)", "会議終了(S)"}},
          {"Frame2", 197, {"現状："}},
          {"Label2(2)", 65, {"経過時間："}},
          {"Label2(3)", 65, {"発生費用："}}}) {  // the read-out lies beneath
      SCOPED_TRACE(testing::Message() << name << " at " << points << " pt");
      const QFont& shown = Named<QWidget>(name).font();
      bool fitsAsGiven = true;
      for (const QString& caption : captions) {
        EXPECT_LE(inkWidth(shown, caption), room) << caption.toStdString();
        fitsAsGiven = fitsAsGiven && inkWidth(font, caption) <= room;
      }
      EXPECT_EQ(shown.family(), font.family());
      EXPECT_EQ(shown.pointSizeF() == points, fitsAsGiven);
      QFont larger = shown;  // where shrunk, to the largest quarter point that fits
      larger.setPointSizeF(shown.pointSizeF() + 0.25);
      EXPECT_TRUE(fitsAsGiven || std::ranges::any_of(captions, [&](const QString& caption) {
                    return inkWidth(larger, caption) > room;
                  }));
    }
  }
  QApplication::setFont(desktop);
}

// On a dark palette (Adwaita's window is 50,50,50) pure blue and red would all but vanish: the
// read-outs take lighter tints, whether the palette was dark from the start or changes later.
TEST_F(QtWindowTest, ReadOutsTakeLighterColoursOnADarkPaletteAndFollowItsChanges) {
  const QPalette light = QApplication::palette();
  QPalette dark = light;
  dark.setColor(QPalette::Window, QColor(50, 50, 50));
  dark.setColor(QPalette::WindowText, Qt::white);
  const auto colour = [this](const char* name, QPalette::ColorRole role) {
    return Named<QWidget>(name).palette().color(role);
  };
  for (const bool isDark : {true, false, true, false}) {
    QApplication::setPalette(isDark ? dark : light);
    QApplication::processEvents();  // the widgets hear of it from the event queue
    if (!window_) Open();
    const QPalette& palette = isDark ? dark : light;
    EXPECT_EQ(colour("lblTime", QPalette::WindowText), isDark ? QColor(141, 141, 255) : Qt::blue);
    EXPECT_EQ(colour("lblCost", QPalette::WindowText), isDark ? QColor(255, 103, 103) : Qt::red);
    EXPECT_EQ(colour("lblCost", QPalette::Window), palette.color(QPalette::Window));
    EXPECT_EQ(colour("Frame1", QPalette::WindowText), palette.color(QPalette::WindowText));
  }
}

// Enter, Return and Space press the button. The box's whole text counts, past any length limit and
// beyond the Basic Multilingual Plane (the number rules themselves are whole_number_test's); long
// figures shrink to show every digit, and the next meeting's short one is back at the design size.
TEST_F(QtWindowTest, TheTypedCountStartsAMeetingOrNothingAndTheCostShowsEveryDigit) {
  const std::tuple<int, std::string, int, const char*> meetings[] = {
      {3600, std::string(1 << 20, '9'), 1, nullptr},
      {3600, std::string(1 << 20, '0') + "7", 1, "7円"},
      {3600, "7😀", 1, nullptr},
      {3600, " - 2147483648\t", 1, "-2,147,483,648円"},
      {10000, "20", 5 * 3600, "1,000,000円"},
      {5000, "30", 8 * 3600, "1,200,000円"},
      // The most a tick can show: the largest settings for the most seconds there are.
      {2147483647, "2147483647", 2147483647, "2,750,977,861,235,551,055,642,624円"},
  };
  for (const auto& [costPerHour, count, seconds, cost] : meetings) {
    SCOPED_TRACE(count.substr(0, 20));
    Open(costPerHour);
    auto& button = Named<QPushButton>("btnStart");
    auto& box = Named<QLineEdit>("txtMemnberCount");
    const auto& lblCost = Named<QLabel>("lblCost");
    box.setText(QString::fromStdString(count));
    QTest::keyClick(&button, Qt::Key_Enter, Qt::KeypadModifier);  // Alt+S: window_test.sh
    EXPECT_EQ(Named<QTimer>("tmrMain").isActive(), cost != nullptr);
    if (cost == nullptr) continue;
    Tick(seconds);
    EXPECT_EQ(lblCost.text(), QString::fromUtf8(cost));
    EXPECT_LE(QFontMetrics(lblCost.font()).horizontalAdvance(lblCost.text()),
              lblCost.contentsRect().width());
    EXPECT_EQ(lblCost.geometry(), QRect(64, 30, 147, 27));
    QTest::keyClick(&button, Qt::Key_Return);
    EXPECT_FALSE(Named<QTimer>("tmrMain").isActive());  // the real timer stops
    box.setText(QStringLiteral("0"));
    QTest::keyClick(&button, Qt::Key_Space);
    Tick(1);
    EXPECT_EQ(lblCost.text(), QStringLiteral("0円"));
    EXPECT_EQ(lblCost.font().pointSizeF(), 21.75);
  }
}

TEST_F(QtWindowTest, ScreenReadersHearJapaneseNamesRolesAndTheReadOutsFigures) {
  Open();
  const auto spoken = [this](const char* name, QAccessible::Text text) {
    return QAccessible::queryAccessibleInterface(&Named<QWidget>(name))->text(text);
  };
  EXPECT_EQ(spoken("btnStart", QAccessible::Name), QStringLiteral("会議開始"));
  EXPECT_EQ(spoken("btnStart", QAccessible::Accelerator), QStringLiteral("Alt+S"));
  Named<QPushButton>("btnStart").click();
  Tick(3);
  for (const auto& [name, role, accessibleName, value] :
       {std::tuple{"Frame1", QAccessible::Grouping, "条件設定", ""},
        {"txtMemnberCount", QAccessible::EditableText, "参加人数", "2"},
        {"btnStart", QAccessible::Button, "会議終了", ""},
        {"lblTime", QAccessible::StaticText, "経過時間", "00:00:03"},
        {"lblCost", QAccessible::StaticText, "発生費用", "6円"}}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&Named<QWidget>(name))->role(), role);
    EXPECT_EQ(spoken(name, QAccessible::Name), QString::fromUtf8(accessibleName));
    EXPECT_EQ(spoken(name, QAccessible::Value), QString::fromUtf8(value));
  }
}

}  // namespace
}  // namespace quorlane

int main(int argc, char* argv[]) {
  ::testing::InitGoogleTest(&argc, argv);
  // Offscreen, unless CTest gives it a screen of its own.
  if (!qgetenv("QT_QPA_PLATFORM").startsWith("offscreen")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
