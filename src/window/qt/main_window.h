#pragma once

#include <QStringList>
#include <QWidget>
#include <memory>
#include <string>
#include <string_view>

#include "window/controls.h"
#include "window/frm_main.h"
#include "window/layout.h"

class QGroupBox;
class QTimer;

namespace quorlane {

struct QtControls;

// The main window in Qt: builds the widgets from the layout data, adapts them to the control
// interfaces and forwards Qt's events to FrmMain's handlers. Form_Load runs in the constructor,
// before the window is first shown.
class MainWindow final : public QWidget, private FormControl {
  Q_OBJECT

 public:
  explicit MainWindow(FrmMain::Clock clock = Now,
                      FrmMain::PathSource settingsFilePath = SettingsFilePath);
  ~MainWindow() override;

  // "Label2" index 1 is "Label2(1)"; a control outside an array keeps its plain name.
  static QString ObjectName(const layout::Control& control);

 protected:
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  std::string Title() const override;
  void SetTitle(const std::string& title) override;
  WindowState State() const override;
  void PinTopLeft() override;
  void ShowWarningWhenVisible(const std::string& message) override;

  void CreateControl(const layout::Control& control, QWidget& parent);
  QGroupBox* CreateFrame(const layout::Control& frame, QWidget& parent);
  int TwipsToPixels(int twips) const;
  void Place(QWidget& widget, const layout::Rect& box) const;
  void SetTabOrder();
  template <class Widget>
  Widget& Named(const QString& name) const;

  void QueueWarnings();
  void ShowPendingWarnings();

  QTimer* tmrMain_;
  std::unique_ptr<QtControls> controls_;
  std::unique_ptr<FrmMain> frmMain_;
  QStringList pendingWarnings_;
};

}  // namespace quorlane
