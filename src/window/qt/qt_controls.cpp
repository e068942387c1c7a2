#include "window/qt/qt_controls.h"

#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QTimer>

#include "window/qt/text.h"
#include "window/spoken.h"

namespace quorlane {

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
  // Qt reports the new text at once: the name must already match it.
  button_.setAccessibleName(ToQString(layout::SpokenText(caption)));
  button_.setText(QString::fromStdString(caption));
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
