// Usage: click_probe [CLICKS]
// Clicks the start/stop button of the real window CLICKS times (default 41), starting and stopping
// meetings in turn, and prints each click's microseconds until the button has been painted with its
// new caption.
#include <QApplication>
#include <QEvent>
#include <QPushButton>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

#include "clock/meeting_clock.h"
#include "window/qt/main_window.h"

namespace {

class PaintWatch final : public QObject {
 public:
  bool painted = false;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted = true;
    return false;
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const int clicks = argc > 1 ? std::stoi(argv[1]) : 41;
  const QTemporaryDir dir;
  const std::string settings = dir.filePath(QStringLiteral("Quorlane.ini")).toStdString();
  std::ofstream(settings, std::ios::binary) << "[DATA]\r\nCOST_PER_HOUR=5000\r\nMEMBER_COUNT=5\r\n";
  quorlane::MainWindow window(quorlane::Now, [&settings] { return settings; });
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return 1;
  auto* button = window.findChild<QPushButton*>();
  PaintWatch watch;
  button->installEventFilter(&watch);
  for (int i = 0; i < clicks; ++i) {
    const QString before = button->text();
    watch.painted = false;
    const auto clicked = std::chrono::steady_clock::now();
    button->click();
    while (!watch.painted) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const auto drawn = std::chrono::steady_clock::now();
    if (button->text() == before) {
      std::fputs("the click left the caption as it was\n", stderr);
      return 1;
    }
    std::printf(
        "%lld\n",
        static_cast<long long>(
            std::chrono::duration_cast<std::chrono::microseconds>(drawn - clicked).count()));
  }
  return 0;
}
