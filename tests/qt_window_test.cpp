#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <map>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <tuple>

#include "clock/meeting_clock.h"
#include "window/layout.h"
#include "window/qt/main_window.h"

// Readable failure messages.
void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace quorlane {
namespace {

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

class QtWindowTest : public ::testing::Test {
 protected:
  // 3600 yen per attendee-hour and two attendees: two yen for each second.
  void Open(const char* pinValue = "0", bool withSettings = true) {
    if (withSettings) {
      std::ofstream(settings_.toStdString(), std::ios::binary)
          << "[DATA]\r\nCOST_PER_HOUR=3600\r\nMEMBER_COUNT=2\r\nWINDOW_TOP_POS=" << pinValue
          << "\r\n";
    }
    window_ = std::make_unique<MainWindow>([this] { return now_; },
                                           [this] { return settings_.toStdString(); });
  }

  void ShowActive() {
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  }

  template <class Widget>
  Widget& Named(std::string_view name) const {
    if (auto* widget = window_->findChild<Widget*>(Q(name))) return *widget;
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

TEST_F(QtWindowTest, EveryControlSitsAtItsTwipsBoxInAFixedClientArea) {
  Open();
  ASSERT_EQ(window_->screen()->logicalDotsPerInch(), 96.0);  // 15 twips to a pixel
  EXPECT_EQ(window_->size(), QSize(227, 130));
  // Read before the application starts; CTest runs this file again at 1.5 and 2.
  const double factor = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
  ASSERT_EQ(window_->devicePixelRatioF(), factor);
  const std::map<double, QSize> clientOnDevice{{1, {227, 130}}, {1.5, {341, 195}}, {2, {454, 260}}};
  EXPECT_EQ(window_->grab().size(), clientOnDevice.at(factor));
  EXPECT_EQ(window_->minimumSize(), window_->maximumSize());
  EXPECT_FALSE(window_->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(window_->windowIcon().availableSizes().size(), 3);
  for (const layout::Control& control : layout::kControls) {
    const QString name = MainWindow::ObjectName(control);
    SCOPED_TRACE(name.toStdString());
    QWidget& widget = Named<QWidget>(name.toStdString());
    const layout::Rect& box = control.box;
    EXPECT_EQ(widget.geometry(),
              QRect(box.left / 15, box.top / 15, box.width / 15, box.height / 15));
    EXPECT_EQ(widget.grab().size(),
              QSize(qRound(box.width * factor / 15), qRound(box.height * factor / 15)));
    const QObject* parent = widget.parent();
    EXPECT_EQ(parent == window_.get() ? QString() : parent->objectName(), Q(control.parent));
  }
}

TEST_F(QtWindowTest, ReadOutsHaveTheirOwnFontsAndColoursTheirNeighboursTheDefaults) {
  Open();
  for (const auto& [name, points, colour] :
       {std::tuple{"lblTime", 12.0, QColor(Qt::blue)}, {"lblCost", 21.75, QColor(Qt::red)}}) {
    SCOPED_TRACE(name);
    const auto& label = Named<QLabel>(name);
    const QFont font = label.font();
    EXPECT_EQ(font.families().value(0), QStringLiteral("ＭＳ Ｐゴシック"));
    EXPECT_DOUBLE_EQ(font.pointSizeF(), points);
    EXPECT_EQ(font.weight(), QFont::Normal);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), colour);
    EXPECT_EQ(label.alignment(), Qt::AlignRight | Qt::AlignTop);
  }
  const auto& caption = Named<QLabel>("Label2(2)");
  EXPECT_EQ(caption.font(), QApplication::font());
  EXPECT_EQ(caption.palette().color(QPalette::WindowText),
            QApplication::palette().color(QPalette::WindowText));
  EXPECT_EQ(caption.alignment(), Qt::AlignLeft | Qt::AlignTop);
}

TEST_F(QtWindowTest, TabCyclesTextBoxAndButtonAndSkipsADisabledBox) {
  Open();
  ShowActive();
  auto& box = Named<QLineEdit>("txtMemnberCount");
  auto& button = Named<QPushButton>("btnStart");
  EXPECT_EQ(QApplication::focusWidget(), &box);
  QTest::keyClick(&box, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), &button);
  QTest::keyClick(&button, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), &box);
  button.click();
  ASSERT_FALSE(box.isEnabled());
  EXPECT_EQ(QApplication::focusWidget(), &button);
  QTest::keyClick(&button, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), &button);
}

TEST_F(QtWindowTest, KeysStartAndStopTheMeetingUnderBothCaptions) {
  for (const auto& [name, key, modifier, fromButton] :
       {std::tuple{"Alt+S", Qt::Key_S, Qt::AltModifier, false},
        {"Return", Qt::Key_Return, Qt::NoModifier, true},
        {"Enter", Qt::Key_Enter, Qt::KeypadModifier, true},
        {"Space", Qt::Key_Space, Qt::NoModifier, true}}) {
    SCOPED_TRACE(name);
    Open();
    ShowActive();
    auto& button = Named<QPushButton>("btnStart");
    if (fromButton) button.setFocus();
    for (const std::string_view caption : {layout::kStopCaption, layout::kStartCaption}) {
      QTest::keyClick(QApplication::focusWidget(), key, modifier);
      // A mnemonic animates the press and clicks a moment later.
      EXPECT_TRUE(QTest::qWaitFor([&] { return button.text() == Q(caption); }));
      EXPECT_EQ(Named<QLineEdit>("txtMemnberCount").isEnabled(), caption == layout::kStartCaption);
    }
  }
}

TEST_F(QtWindowTest, TicksFillTheReadOutsAndTheTitleFollowsTheWindowState) {
  Open();
  ShowActive();
  EXPECT_EQ(Named<QLineEdit>("txtMemnberCount").text(), QStringLiteral("2"));
  EXPECT_EQ(Named<QLabel>("lblTime").text(), QStringLiteral("00:00:00"));
  EXPECT_FALSE(Named<QTimer>("tmrMain").isActive());
  Named<QPushButton>("btnStart").click();
  EXPECT_TRUE(Named<QTimer>("tmrMain").isActive());
  Tick(3);
  EXPECT_EQ(Named<QLabel>("lblTime").text(), QStringLiteral("00:00:03"));
  EXPECT_EQ(Named<QLabel>("lblCost").text(), QStringLiteral("6円"));
  window_->setWindowState(Qt::WindowMinimized);
  Tick(1);
  EXPECT_EQ(window_->windowTitle(), QStringLiteral("\\8"));
  window_->setWindowState(Qt::WindowNoState);
  EXPECT_EQ(window_->windowTitle(), Q(layout::kTitle));
}

TEST_F(QtWindowTest, ScreenReadersHearJapaneseNamesRolesAndTheReadOutsFigures) {
  Open();
  ShowActive();
  const auto spoken = [this](std::string_view name, QAccessible::Text text) {
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

TEST_F(QtWindowTest, PinsOnTopAtTheCornerOnlyForOne) {
  for (const char* value : {"0", "1", "2"}) {
    SCOPED_TRACE(value);
    Open(value);
    ShowActive();
    const bool pinned = std::string(value) == "1";
    EXPECT_EQ(window_->windowFlags().testFlag(Qt::WindowStaysOnTopHint), pinned);
    if (pinned) {
      EXPECT_EQ(window_->pos(), QPoint(0, 0));
    }
  }
}

TEST_F(QtWindowTest, SettingsWarningAppearsOnceAfterTheWindowIsShown) {
  Open("0", false);
  const auto boxes = [this] { return window_->findChildren<QMessageBox*>(); };
  QApplication::processEvents();
  EXPECT_TRUE(boxes().isEmpty());
  ShowActive();
  ASSERT_TRUE(QTest::qWaitFor([&] { return boxes().size() == 1; }));
  EXPECT_TRUE(boxes().front()->isVisible());
  EXPECT_EQ(boxes().front()->icon(), QMessageBox::Warning);
  EXPECT_EQ(boxes().front()->windowTitle(), Q(layout::kTitle));
  window_->hide();
  window_->show();
  QTest::qWait(50);
  EXPECT_EQ(boxes().size(), 1);
}

}  // namespace
}  // namespace quorlane

int main(int argc, char* argv[]) {
  ::testing::InitGoogleTest(&argc, argv);
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
