#pragma once

#include <QWidget>
#include <array>
#include <memory>
#include <string>

#include "window/frm_main.h"
#include "window/qt/qt_controls.h"
#include "window/qt/read_out_label.h"

namespace quorlane {

// The main window in Qt: builds the widgets from the layout data, adapts them to the control
// interfaces and forwards Qt's events to FrmMain's handlers. Form_Load runs in the constructor,
// before the window is first shown.
class MainWindow final : public QWidget, private FormControl {
  Q_OBJECT

 public:
  explicit MainWindow(FrmMain::Clock clock = Now,
                      FrmMain::PathSource settingsFilePath = SettingsFilePath);
  ~MainWindow() override;

 protected:
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  using Parts = FrmMainParts<QtTextBox, QtButton, ReadOutLabel&, QtTimer>;

  std::string Title() const override;
  void SetTitle(const std::string& title) override;
  WindowState State() const override;
  void PinTopLeft() override;
  void ShowWarning(const std::string& message) override;

  void CreateSettingsFrame();
  void CreateStatusFrame();
  template <class Widget>
  Widget* Add(layout::ControlId id, QWidget* parent);
  void FitCaptions();
  void SetTabOrder();

  int dpi_;
  std::array<QWidget*, layout::kControlCount> widgets_{};
  QLineEdit* txtMemnberCount_ = nullptr;
  QPushButton* btnStart_ = nullptr;
  ReadOutLabel* lblTime_ = nullptr;
  ReadOutLabel* lblCost_ = nullptr;
  QTimer* tmrMain_ = nullptr;
  std::unique_ptr<Parts> parts_;
  std::unique_ptr<FrmMain> frmMain_;
};

}  // namespace quorlane
