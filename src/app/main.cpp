#include <QApplication>
#include <QByteArray>

#include "window/qt/main_window.h"

namespace {

// Wayland lets no client place itself or stay on top, and never says that a window is minimised,
// so the title would never carry the cost; XWayland does all three, so prefer it when it is there
// and the user has not chosen a platform (docs/architecture.md).
void PreferXcbUnderWayland() {
  const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
                       qgetenv("XDG_SESSION_TYPE") == QByteArrayLiteral("wayland");
  if (wayland && !qEnvironmentVariableIsEmpty("DISPLAY") &&
      !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb"));
  }
}

// The window is small and redrawn once a second. Handing Qt's drawings to the X server through
// shared memory makes the server report each one done, which wakes the program twice more per
// tick; sent over the connection, a tick's few kilobytes cost nothing and need no answer.
void SendDrawingsOverTheConnection() {
  if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) {
    qputenv("QT_XCB_NO_MITSHM", QByteArrayLiteral("1"));
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  PreferXcbUnderWayland();
  SendDrawingsOverTheConnection();
  QApplication::setApplicationName(QStringLiteral("Quorlane"));
  // Lets the desktop match the window to its menu entry and icon.
  QApplication::setDesktopFileName(QStringLiteral(QUORLANE_APP_ID));
  QApplication app(argc, argv);
  quorlane::MainWindow window;
  window.show();
  return QApplication::exec();
}
