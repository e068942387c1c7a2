// The floor the Linux benchmarks measure Quorlane against: what Qt Widgets itself costs for this
// window. The same controls, texts, colours and fonts (the read-outs in the proportional gothic)
// from the layout table, placed plainly, each caption shrunk where its box is too narrow for it,
// and a timer that rewrites both read-outs every second; no settings, no window logic, no style
// sheet.
#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QString>
#include <QTime>
#include <QTimer>
#include <QWidget>
#include <string_view>
#include <vector>

#include "window/placement.h"

namespace {

namespace layout = quorlane::layout;

// About the benchmarks' meeting: 5 attendees at 5,000 yen an hour.
constexpr int kYenPerSecond = 7;

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int Dpi() {
  return qRound(QGuiApplication::primaryScreen()->logicalDotsPerInch());
}

QLabel* CreateLabel(const layout::Control& control, QWidget& parent) {
  auto* label = new QLabel(Text(control.text), &parent);
  label->setAlignment(Qt::AlignTop |
                      (control.align == layout::Align::Right ? Qt::AlignRight : Qt::AlignLeft));
  if (!control.font) return label;
  // A read-out: the proportional gothic, in its colour.
  QFont font(QStringLiteral("IPAPGothic"));
  font.setPointSizeF(control.font->points);
  label->setFont(font);
  const layout::Rgb colour = control.color.value_or(layout::Rgb{0, 0, 0});
  QPalette palette;
  palette.setColor(QPalette::WindowText, QColor(colour.red, colour.green, colour.blue));
  label->setPalette(palette);
  return label;
}

// Shrinks a caption's font by quarter points until its text fits its box: done before the window
// is shown, as a caption must first be drawn at the size it keeps.
void FitCaption(QWidget& widget, const QString& text) {
  QFont font = widget.font();
  while (font.pointSizeF() > 1 && QFontMetrics(font).boundingRect(text).width() > widget.width()) {
    font.setPointSizeF(font.pointSizeF() - 0.25);
  }
  if (font != widget.font()) widget.setFont(font);
}

QWidget* Create(const layout::Control& control, QWidget& parent) {
  switch (control.kind) {
    case layout::Kind::Frame:
      return new QGroupBox(Text(control.text), &parent);
    case layout::Kind::TextBox:
      return new QLineEdit(Text(control.text), &parent);
    case layout::Kind::Button:
      return new QPushButton(Text(control.text), &parent);
    case layout::Kind::Label:
      break;
  }
  return CreateLabel(control, parent);
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication::setApplicationName(QStringLiteral("QuorlaneFloor"));
  QApplication app(argc, argv);
  QWidget window;
  const layout::Size client = layout::ClientPixels(Dpi());
  window.setFixedSize(client.width, client.height);
  QWidget* frame = nullptr;  // the table lists a frame's children right after it
  std::vector<QLabel*> readOuts;
  for (const layout::Control& control : layout::kControls) {
    QWidget* widget = Create(control, control.parent ? *frame : window);
    const layout::Rect box = layout::PixelBox(control.id, Dpi(), layout::Origin::Parent);
    widget->setGeometry(box.left, box.top, box.width, box.height);
    if (control.kind == layout::Kind::Frame) frame = widget;
    if (!control.font) FitCaption(*widget, Text(control.text));
    if (control.font) readOuts.push_back(static_cast<QLabel*>(widget));
  }
  // Time, then cost, as in the table.
  QTimer timer;
  int seconds = 0;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    ++seconds;
    readOuts.front()->setText(QTime(0, 0).addSecs(seconds).toString(QStringLiteral("HH:mm:ss")));
    readOuts.back()->setText(QStringLiteral("%L1円").arg(seconds * kYenPerSecond));
  });
  timer.start(layout::kTickMilliseconds);
  window.show();
  return QApplication::exec();
}
