#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>

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

// 15 twips to a pixel at 96 dots per inch.
QRect Pixels96(const layout::Rect& box) {
  return {box.left / 15, box.top / 15, box.width / 15, box.height / 15};
}

class QtWindowTest : public ::testing::Test {
 protected:
  // 3600 yen per attendee-hour and two attendees: two yen for each second.
  void Open(const std::string& pinValue = "0", bool withSettings = true) {
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
    auto* widget = window_->findChild<Widget*>(Q(name));
    if (widget == nullptr) {
      throw std::runtime_error("no widget named " + std::string(name));
    }
    return *widget;
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
  ASSERT_EQ(window_->screen()->logicalDotsPerInch(), 96.0);
  EXPECT_EQ(window_->size(), QSize(227, 130));
  EXPECT_EQ(window_->minimumSize(), window_->maximumSize());
  EXPECT_TRUE(window_->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(window_->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(window_->windowTitle(), Q(layout::kTitle));
  for (int side : {16, 24, 32}) {
    EXPECT_TRUE(window_->windowIcon().availableSizes().contains(QSize(side, side))) << side;
  }
  for (const layout::Control& control : layout::kControls) {
    const QString name = MainWindow::ObjectName(control);
    SCOPED_TRACE(name.toStdString());
    const QWidget& widget = Named<QWidget>(name.toStdString());
    EXPECT_EQ(widget.geometry(), Pixels96(control.box));
    const QObject* parent = widget.parent();
    EXPECT_EQ(parent == window_.get() ? QString() : parent->objectName(), Q(control.parent));
  }
}

TEST_F(QtWindowTest, ReadOutsUseTheirFontsAndColoursAndOtherControlsTheDefaults) {
  Open();
  const QColor defaultText = QApplication::palette().color(QPalette::WindowText);
  for (const layout::Control& control : layout::kControls) {
    SCOPED_TRACE(MainWindow::ObjectName(control).toStdString());
    const auto& widget = Named<QWidget>(MainWindow::ObjectName(control).toStdString());
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
      const Qt::Alignment side =
          control.align == layout::Align::Right ? Qt::AlignRight : Qt::AlignLeft;
      EXPECT_EQ(label->alignment(), side | Qt::AlignTop);
    }
    const QColor expected =
        control.color ? QColor(control.color->red, control.color->green, control.color->blue)
                      : defaultText;
    EXPECT_EQ(widget.palette().color(QPalette::WindowText), expected);
    if (!control.font) {
      EXPECT_EQ(widget.font(), QApplication::font());
      continue;
    }
    const QFont font = widget.font();
    EXPECT_EQ(font.families().value(0), Q(layout::kReadOutFace));
    EXPECT_DOUBLE_EQ(font.pointSizeF(), control.font->points);
    EXPECT_EQ(font.weight(), QFont::Normal);
    EXPECT_FALSE(font.italic() || font.underline() || font.strikeOut());
    if (QFontDatabase::hasFamily(QStringLiteral("IPAPGothic"))) {
      EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("IPAPGothic"));
    }
  }
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

struct Press {
  const char* name;
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  bool focusOnButton;
};

void PrintTo(const Press& press, std::ostream* out) {
  *out << press.name;
}

class QtButtonPressTest : public QtWindowTest, public ::testing::WithParamInterface<Press> {};

TEST_P(QtButtonPressTest, StartsAndStopsTheMeetingUnderBothCaptions) {
  const Press press = GetParam();
  Open();
  ShowActive();
  auto& button = Named<QPushButton>("btnStart");
  auto& box = Named<QLineEdit>("txtMemnberCount");
  if (press.focusOnButton) {
    button.setFocus();
  }
  // A mnemonic animates the press and clicks a moment later.
  const auto pressTurnsCaptionTo = [&](std::string_view caption) {
    QTest::keyClick(QApplication::focusWidget(), press.key, press.modifiers);
    return QTest::qWaitFor([&] { return button.text() == Q(caption); });
  };
  EXPECT_TRUE(pressTurnsCaptionTo(layout::kStopCaption));
  EXPECT_FALSE(box.isEnabled());
  EXPECT_TRUE(pressTurnsCaptionTo(layout::kStartCaption));
  EXPECT_TRUE(box.isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, QtButtonPressTest,
    ::testing::Values(Press{"AltSFromTheBox", Qt::Key_S, Qt::AltModifier, false},
                      Press{"AltSOnTheButton", Qt::Key_S, Qt::AltModifier, true},
                      Press{"Return", Qt::Key_Return, Qt::NoModifier, true},
                      Press{"Enter", Qt::Key_Enter, Qt::KeypadModifier, true},
                      Press{"Space", Qt::Key_Space, Qt::NoModifier, true}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(QtWindowTest, TicksFillTheReadOutsAndTheTitleWhileMinimised) {
  Open();
  ShowActive();
  auto& timer = Named<QTimer>("tmrMain");
  EXPECT_EQ(Named<QLineEdit>("txtMemnberCount").text(), QStringLiteral("2"));
  EXPECT_EQ(Named<QLabel>("lblTime").text(), QStringLiteral("00:00:00"));
  EXPECT_FALSE(timer.isActive());

  Named<QPushButton>("btnStart").click();
  EXPECT_TRUE(timer.isActive());
  Tick(3);
  EXPECT_EQ(Named<QLabel>("lblTime").text(), QStringLiteral("00:00:03"));
  EXPECT_EQ(Named<QLabel>("lblCost").text(), QStringLiteral("6円"));
  EXPECT_EQ(window_->windowTitle(), Q(layout::kTitle));

  window_->setWindowState(Qt::WindowMinimized);
  Tick(1);
  EXPECT_EQ(window_->windowTitle(), QStringLiteral("\\8"));
  window_->setWindowState(Qt::WindowNoState);
  EXPECT_EQ(window_->windowTitle(), Q(layout::kTitle));
}

TEST_F(QtWindowTest, FirstShowPutsTheLoadedTitleBack) {
  Open();
  window_->setWindowTitle(QStringLiteral("changed"));
  ShowActive();
  EXPECT_EQ(window_->windowTitle(), Q(layout::kTitle));
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
  QApplication::processEvents();
  EXPECT_TRUE(window_->findChildren<QMessageBox*>().isEmpty());
  ShowActive();
  ASSERT_TRUE(
      QTest::qWaitFor([this] { return window_->findChildren<QMessageBox*>().size() == 1; }));
  const QMessageBox& box = *window_->findChildren<QMessageBox*>().front();
  EXPECT_TRUE(box.isVisible());
  EXPECT_EQ(box.icon(), QMessageBox::Warning);
  EXPECT_EQ(box.windowTitle(), Q(layout::kTitle));
  EXPECT_FALSE(box.text().isEmpty());

  window_->hide();
  window_->show();
  QTest::qWait(50);
  EXPECT_EQ(window_->findChildren<QMessageBox*>().size(), 1);
}

}  // namespace
}  // namespace quorlane

int main(int argc, char* argv[]) {
  ::testing::InitGoogleTest(&argc, argv);
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
