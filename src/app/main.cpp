#include <QApplication>
#include <QByteArray>

#include "window/qt/main_window.h"

namespace {

// Wayland lets no client place itself or stay on top; XWayland does, so prefer it when it is
// there and the user has not chosen a platform.
void PreferXcbUnderWayland() {
  const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
                       qgetenv("XDG_SESSION_TYPE") == QByteArrayLiteral("wayland");
  if (wayland && !qEnvironmentVariableIsEmpty("DISPLAY") &&
      !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb"));
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  PreferXcbUnderWayland();
  QApplication::setApplicationName(QStringLiteral("Quorlane"));
  // Lets the desktop match the window to its menu entry and icon.
  QApplication::setDesktopFileName(QStringLiteral(QUORLANE_APP_ID));
  QApplication app(argc, argv);
  quorlane::MainWindow window;
  window.show();
  return QApplication::exec();
}
