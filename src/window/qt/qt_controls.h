#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QTimer>
#include <string>
#include <string_view>

#include "window/controls.h"
#include "window/spoken_controls.h"

// Qt widgets seen through the control interfaces the window's handlers drive.
namespace quorlane {

// The layout's texts are UTF-8.
inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

class QtTextBox final : public TextBoxControl {
 public:
  explicit QtTextBox(QLineEdit& box) : box_(box) {}
  std::string Text() const override { return box_.text().toStdString(); }
  void SetText(const std::string& text) override { box_.setText(QString::fromStdString(text)); }
  bool Enabled() const override { return box_.isEnabled(); }
  void SetEnabled(bool enabled) override { box_.setEnabled(enabled); }
  void SoundWarning() override { QApplication::beep(); }
  void FocusAllText() override {
    box_.setFocus(Qt::OtherFocusReason);
    box_.selectAll();
  }

 private:
  QLineEdit& box_;
};

class QtButton final : public SpokenButton {
 public:
  explicit QtButton(QPushButton& button) : button_(button) {}

 private:
  void SetSpokenName(std::string_view name) override { button_.setAccessibleName(ToQString(name)); }
  void SetText(const std::string& caption) override {
    button_.setText(QString::fromStdString(caption));
  }

  QPushButton& button_;
};

class QtTimer final : public TimerControl {
 public:
  explicit QtTimer(QTimer& timer) : timer_(timer) {}
  void SetInterval(int milliseconds) override { timer_.setInterval(milliseconds); }
  void SetEnabled(bool enabled) override { enabled ? timer_.start() : timer_.stop(); }

 private:
  QTimer& timer_;
};

}  // namespace quorlane
