#include "window/qt/main_window.h"

#include <QEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>
#include <cstddef>
#include <limits>
#include <string_view>
#include <type_traits>
#include <utility>

#include "window/caption_fit.h"
#include "window/placement.h"

// Resources of a static library must be registered by hand, from the global namespace.
static void RegisterIconResource() {
  Q_INIT_RESOURCE(quorlane);
}

namespace quorlane {

namespace {

using layout::ControlId;

// Title bar with system menu, minimise and close; no maximise.
constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

// The frame line runs through the middle of the caption, as on Windows, so that controls placed
// just below the caption sit inside the frame; styles that put the caption above the line would
// cut through them.
constexpr auto kFrameStyle = R"(
QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 0.5em; }
QGroupBox::title { subcontrol-origin: margin; left: 0.5em; padding: 0 0.2em; }
)";

}  // namespace

MainWindow::MainWindow(FrmMain::Clock clock, FrmMain::PathSource settingsFilePath)
    : QWidget(nullptr, kWindowFlags), dpi_(qRound(screen()->logicalDotsPerInch())) {
  RegisterIconResource();
  setWindowTitle(ToQString(layout::kTitle));
  setWindowIcon(QIcon(QStringLiteral(":/quorlane.ico")));
  // Fixed: the border does not resize and window managers offer no maximise.
  const layout::Size client = layout::ClientPixels(dpi_);
  setFixedSize(client.width, client.height);
  CreateSettingsFrame();
  CreateStatusFrame();
  FitCaptions();
  SetTabOrder();
  tmrMain_ = new QTimer(this);
  tmrMain_->setObjectName(QStringLiteral("tmrMain"));
  tmrMain_->setTimerType(Qt::PreciseTimer);

  parts_ = std::make_unique<Parts>(Parts{QtTextBox(*txtMemnberCount_), QtButton(*btnStart_),
                                         *lblTime_, *lblCost_, QtTimer(*tmrMain_)});
  frmMain_ =
      std::make_unique<FrmMain>(parts_->Bind(*this), std::move(clock), std::move(settingsFilePath));
  connect(btnStart_, &QPushButton::clicked, this, [this] { frmMain_->btnStart_Click(); });
  connect(tmrMain_, &QTimer::timeout, this, [this] { parts_->Tick(*frmMain_); });
  frmMain_->Form_Load();
}

MainWindow::~MainWindow() = default;

void MainWindow::CreateSettingsFrame() {
  auto* frame = Add<QGroupBox>(ControlId::Frame1, this);
  Add<QLabel>(ControlId::Label2_0, frame);
  txtMemnberCount_ = Add<QLineEdit>(ControlId::txtMemnberCount, frame);
  txtMemnberCount_->setMaxLength(std::numeric_limits<int>::max());
  Add<QLabel>(ControlId::Label2_1, frame);
  btnStart_ = Add<QPushButton>(ControlId::btnStart, frame);
  // Enter presses the focused button, as on Windows; outside a dialog this makes no default button.
  btnStart_->setAutoDefault(true);
}

void MainWindow::CreateStatusFrame() {
  auto* frame = Add<QGroupBox>(ControlId::Frame2, this);
  Add<QLabel>(ControlId::Label2_2, frame);
  lblTime_ = Add<ReadOutLabel>(ControlId::lblTime, frame);
  Add<QLabel>(ControlId::Label2_3, frame);
  lblCost_ = Add<ReadOutLabel>(ControlId::lblCost, frame);
  // The read-outs fill their background: beneath the captions their boxes reach into, they hide
  // nothing of them.
  for (ReadOutLabel* readOut : {lblTime_, lblCost_}) readOut->lower();
}

// Makes the widget with its text, names it as the system does, puts it where the table says and
// gives it its spoken name.
template <class Widget>
Widget* MainWindow::Add(ControlId id, QWidget* parent) {
  const layout::Control& control = layout::ControlAt(id);
  Widget* widget = nullptr;
  if constexpr (std::is_same_v<Widget, ReadOutLabel>) {
    widget = new ReadOutLabel(id, *parent);
  } else {
    widget = new Widget(ToQString(control.text), parent);
  }
  if constexpr (std::is_same_v<Widget, QGroupBox>)
    widget->setStyleSheet(QString::fromLatin1(kFrameStyle));
  // Drawn from the top, as a Windows static is.
  if constexpr (std::is_same_v<Widget, QLabel>) widget->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  widgets_[static_cast<std::size_t>(id)] = widget;
  widget->setObjectName(ToQString(control.objectName));
  const layout::Rect box = layout::PixelBox(id, dpi_, layout::Origin::Parent);
  widget->setGeometry(box.left, box.top, box.width, box.height);
  if (!layout::TakesFocus(control.kind)) widget->setFocusPolicy(Qt::NoFocus);
  widget->setAccessibleName(ToQString(layout::SpokenName(id)));
  return widget;
}

// In the platform's font, smaller only where it would not let a caption show whole.
void MainWindow::FitCaptions() {
  for (const layout::Control& control : layout::kControls) {
    QWidget& widget = *widgets_[static_cast<std::size_t>(control.id)];
    QFont font = widget.font();
    const double platformPoints = QFontInfo(font).pointSizeF();
    const double points = layout::CaptionPointSize(
        control.id, platformPoints, dpi_, [&font](std::string_view text, double size) {
          font.setPointSizeF(size);
          return QFontMetrics(font).boundingRect(ToQString(text)).right() + 1;
        });
    if (points == platformPoints) continue;
    font.setPointSizeF(points);
    widget.setFont(font);
  }
}

void MainWindow::SetTabOrder() {
  const auto widget = [this](ControlId id) { return widgets_[static_cast<std::size_t>(id)]; };
  QWidget* previous = nullptr;
  for (const ControlId id : layout::kFocusOrder) {
    if (previous != nullptr) setTabOrder(previous, widget(id));
    previous = widget(id);
  }
  widget(layout::kFocusOrder.front())->setFocus();
}

void MainWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  // Minimising and restoring change the state without resizing the window.
  if (event->type() == QEvent::WindowStateChange) frmMain_->Form_Resize();
  // Widgets under a style sheet keep the palette they were first polished with.
  if (event->type() == QEvent::PaletteChange) {
    for (QWidget* widget : findChildren<QWidget*>()) {
      widget->style()->unpolish(widget);
      widget->style()->polish(widget);
    }
  }
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  frmMain_->Form_Resize();
}

// A warning then comes once the window has been drawn, as its own window above it.
void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  QTimer::singleShot(0, this, [this] { frmMain_->WindowShown(); });
}

std::string MainWindow::Title() const {
  return windowTitle().toStdString();
}

void MainWindow::SetTitle(const std::string& title) {
  setWindowTitle(QString::fromStdString(title));
}

WindowState MainWindow::State() const {
  if (isMinimized()) return WindowState::Minimised;
  return isMaximized() ? WindowState::Maximised : WindowState::Normal;
}

void MainWindow::PinTopLeft() {
  // Changing the window flags hides a shown window; show it again in its new place.
  const bool shown = isVisible();
  setWindowFlag(Qt::WindowStaysOnTopHint);
  move(0, 0);
  if (shown) show();
}

void MainWindow::ShowWarning(const std::string& message) {
  auto* box = new QMessageBox(QMessageBox::Warning, ToQString(layout::kTitle),
                              QString::fromStdString(message), QMessageBox::Ok, this);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->open();
}

}  // namespace quorlane
