#pragma once

#include <string>

#include "window/controls.h"

class QLineEdit;
class QPushButton;
class QTimer;

// Qt widgets seen through the control interfaces the window's handlers drive.
namespace quorlane {

class QtTextBox final : public TextBoxControl {
 public:
  explicit QtTextBox(QLineEdit& box) : box_(box) {}
  std::string Text() const override;
  void SetText(const std::string& text) override;
  bool Enabled() const override;
  void SetEnabled(bool enabled) override;

 private:
  QLineEdit& box_;
};

class QtButton final : public ButtonControl {
 public:
  explicit QtButton(QPushButton& button) : button_(button) {}
  void SetCaption(const std::string& caption) override;

 private:
  QPushButton& button_;
};

class QtTimer final : public TimerControl {
 public:
  explicit QtTimer(QTimer& timer) : timer_(timer) {}
  void SetInterval(int milliseconds) override;
  void SetEnabled(bool enabled) override;

 private:
  QTimer& timer_;
};

}  // namespace quorlane
