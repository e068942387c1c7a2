// The floor for the benchmarks: what Qt Widgets itself costs for this job. A fixed 227 x 130
// window with every caption of Quorlane's window in one label, so the same Japanese font is
// loaded; nothing else.
#include <QApplication>
#include <QLabel>
#include <QString>

#include "window/layout.h"

int main(int argc, char* argv[]) {
  QApplication::setApplicationName(QStringLiteral("QuorlaneFloor"));
  QApplication app(argc, argv);
  QString captions;
  for (const quorlane::layout::Control& control : quorlane::layout::kControls) {
    captions += QString::fromUtf8(control.text.data(), static_cast<qsizetype>(control.text.size()));
    captions += QLatin1Char(' ');
  }
  QLabel window(captions.trimmed());
  window.setWordWrap(true);
  window.setFixedSize(227, 130);
  window.show();
  return QApplication::exec();
}
