#include "window/qt/qt_controls.h"

#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QTimer>

#include "window/read_out_fit.h"

namespace quorlane {

namespace {

void FitFontToBox(QLabel& label, double designPoints) {
  QFont font = label.font();
  const QString text = label.text();
  const double points =
      FittingPointSize(designPoints, label.contentsRect().width(), [&](double size) {
        font.setPointSizeF(size);
        return QFontMetrics(font).horizontalAdvance(text);
      });
  font.setPointSizeF(points);
  if (font != label.font()) {
    label.setFont(font);
  }
}

}  // namespace

std::string QtTextBox::Text() const {
  return box_.text().toStdString();
}

void QtTextBox::SetText(const std::string& text) {
  box_.setText(QString::fromStdString(text));
}

bool QtTextBox::Enabled() const {
  return box_.isEnabled();
}

void QtTextBox::SetEnabled(bool enabled) {
  box_.setEnabled(enabled);
}

void QtButton::SetCaption(const std::string& caption) {
  button_.setText(QString::fromStdString(caption));
}

QtLabel::QtLabel(QLabel& label) : label_(label), designPoints_(label.font().pointSizeF()) {}

void QtLabel::SetCaption(const std::string& caption) {
  label_.setText(QString::fromStdString(caption));
  FitFontToBox(label_, designPoints_);
}

void QtTimer::SetInterval(int milliseconds) {
  timer_.setInterval(milliseconds);
}

void QtTimer::SetEnabled(bool enabled) {
  if (enabled) {
    timer_.start();
  } else {
    timer_.stop();
  }
}

}  // namespace quorlane
