#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <fstream>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <tuple>

#include "clock/meeting_clock.h"
#include "window/qt/main_window.h"

// Readable failure messages.
void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace quorlane {
namespace {

class QtWindowTest : public ::testing::Test {
 protected:
  // By default 3600 yen per attendee-hour and two attendees: two yen for each second.
  void Open(std::string_view settings = "COST_PER_HOUR=3600\r\nMEMBER_COUNT=2") {
    std::ofstream(settings_.toStdString(), std::ios::binary) << "[DATA]\r\n" << settings << "\r\n";
    window_ = std::make_unique<MainWindow>([this] { return now_; },
                                           [this] { return settings_.toStdString(); });
  }

  template <class Widget>
  Widget& Named(const char* name) const {
    if (auto* widget = window_->findChild<Widget*>(QString::fromUtf8(name))) return *widget;
    throw std::runtime_error(std::string("no widget named ") + name);
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

// Boxes in pixels at 96 dpi: every control inside its frame, every frame inside the client area.
TEST_F(QtWindowTest, LayoutAsDesigned) {
  Open();
  ASSERT_EQ(window_->screen()->logicalDotsPerInch(), 96.0);  // 15 twips to a pixel
  EXPECT_EQ(window_->size(), QSize(227, 130));
  EXPECT_EQ(window_->minimumSize(), window_->maximumSize());
  EXPECT_FALSE(window_->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(window_->windowIcon().availableSizes(), QList<QSize>({{32, 32}, {24, 24}, {16, 16}}));
  const std::tuple<const char*, const char*, QRect> boxes[] = {
      {"Frame1", "", {6, 4, 217, 49}},
      {"Label2(0)", "Frame1", {12, 20, 65, 17}},
      {"txtMemnberCount", "Frame1", {70, 16, 31, 20}},
      {"Label2(1)", "Frame1", {104, 20, 21, 17}},
      {"btnStart", "Frame1", {120, 16, 87, 21}},
      {"Frame2", "", {6, 56, 217, 67}},
      {"Label2(2)", "Frame2", {12, 18, 65, 17}},
      {"lblTime", "Frame2", {116, 14, 93, 17}},
      {"Label2(3)", "Frame2", {12, 42, 65, 17}},
      {"lblCost", "Frame2", {64, 30, 147, 27}},
  };
  for (const auto& [name, frame, box] : boxes) {
    SCOPED_TRACE(name);
    const QWidget& widget = Named<QWidget>(name);
    EXPECT_EQ(widget.geometry(), box);
    EXPECT_EQ(widget.parentWidget()->objectName(), QString::fromUtf8(frame));
    EXPECT_TRUE(widget.parentWidget()->rect().contains(box));
  }
  for (const auto& [name, points, colour] :
       {std::tuple{"lblTime", 12.0, QColor(Qt::blue)}, {"lblCost", 21.75, QColor(Qt::red)}}) {
    const auto& label = Named<QLabel>(name);
    EXPECT_EQ(label.font().families().value(0), QStringLiteral("ＭＳ Ｐゴシック"));
    EXPECT_EQ(label.font().pointSizeF(), points);
    EXPECT_EQ(label.font().weight(), QFont::Normal);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), colour);
    EXPECT_EQ(label.alignment(), Qt::AlignRight | Qt::AlignTop);
  }
  const auto& caption = Named<QLabel>("Label2(2)");
  EXPECT_EQ(caption.font(), QApplication::font());
  EXPECT_EQ(caption.palette(), QApplication::palette());
  EXPECT_EQ(caption.alignment(), Qt::AlignLeft | Qt::AlignTop);
}

// The first focus is in the box; Return and Enter press the focused button, as on Windows. Alt+S
// is pressed end to end, on a real X server.
TEST_F(QtWindowTest, ReturnAndEnterPressTheFocusedButton) {
  Open();
  window_->show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  auto& button = Named<QPushButton>("btnStart");
  EXPECT_EQ(QApplication::focusWidget(), &Named<QLineEdit>("txtMemnberCount"));
  button.setFocus();
  QTest::keyClick(&button, Qt::Key_Return);
  EXPECT_EQ(button.text(), QStringLiteral("会議終了(&S)"));
  QTest::keyClick(&button, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(button.text(), QStringLiteral("会議開始(&S)"));
}

TEST_F(QtWindowTest, ReadOutsShrinkToShowEveryDigitAndGrowBackWhenTheTextFits) {
  const std::tuple<const char*, int, const char*> meetings[] = {
      {"COST_PER_HOUR=10000\nMEMBER_COUNT=20", 5 * 3600, "1,000,000円"},
      {"COST_PER_HOUR=5000\nMEMBER_COUNT=30", 8 * 3600, "1,200,000円"},
      // The most a tick can show: the largest settings for the most seconds there are.
      {"COST_PER_HOUR=2147483647\nMEMBER_COUNT=2147483647", 2147483647,
       "2,750,977,861,235,551,055,642,624円"},
  };
  for (const auto& [settings, seconds, cost] : meetings) {
    SCOPED_TRACE(cost);
    Open(settings);
    auto& button = Named<QPushButton>("btnStart");
    const auto& lblCost = Named<QLabel>("lblCost");
    button.click();
    Tick(seconds);
    EXPECT_EQ(lblCost.text(), QString::fromUtf8(cost));
    EXPECT_LE(QFontMetrics(lblCost.font()).horizontalAdvance(lblCost.text()),
              lblCost.contentsRect().width());
    EXPECT_EQ(lblCost.geometry(), QRect(64, 30, 147, 27));
    button.click();  // the next meeting's short figure is back at the design size
    Named<QLineEdit>("txtMemnberCount").setText(QStringLiteral("0"));
    button.click();
    Tick(1);
    EXPECT_EQ(lblCost.text(), QStringLiteral("0円"));
    EXPECT_EQ(lblCost.font().pointSizeF(), 21.75);
  }
}

// 3600 yen an hour: one second costs as many yen as there are attendees.
TEST_F(QtWindowTest, AttendeeTextStartsWithItsCountOrStartsNothingAtOnce) {
  Open();
  auto& box = Named<QLineEdit>("txtMemnberCount");
  auto& button = Named<QPushButton>("btnStart");
  const std::pair<std::string, const char*> texts[] = {
      {std::string(1 << 20, '9'), nullptr},
      {std::string(1 << 20, '0') + "7", "7円"},
      {"7😀", nullptr},
      {"\u200F7", nullptr},  // a right-to-left mark
      {"７", nullptr},
      {" \t2147483647 ", "2,147,483,647円"},
      {" - 2147483648\t", "-2,147,483,648円"},
      {"+2147483648", nullptr},
      {"-2147483649 ", nullptr},
  };
  for (const auto& [text, cost] : texts) {
    SCOPED_TRACE(text.substr(0, 20));
    box.setText(QString::fromStdString(text));
    const auto clicked = std::chrono::steady_clock::now();
    button.click();
    EXPECT_LT(std::chrono::steady_clock::now() - clicked, std::chrono::milliseconds(100));
    EXPECT_EQ(Named<QTimer>("tmrMain").isActive(), cost != nullptr);
    if (cost == nullptr) {
      EXPECT_EQ(button.text(), QStringLiteral("会議開始(&S)"));
      EXPECT_TRUE(box.isEnabled());
      continue;
    }
    Tick(1);
    EXPECT_EQ(Named<QLabel>("lblCost").text(), QString::fromUtf8(cost));
    button.click();
    EXPECT_FALSE(Named<QTimer>("tmrMain").isActive());  // the real timer stops
  }
}

}  // namespace
}  // namespace quorlane

int main(int argc, char* argv[]) {
  ::testing::InitGoogleTest(&argc, argv);
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
