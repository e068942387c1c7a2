#include "window/qt/main_window.h"

#include <QEvent>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cstddef>
#include <limits>
#include <utility>

#include "window/placement.h"
#include "window/qt/text.h"
#include "window/spoken.h"

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

QString TextOf(ControlId id) {
  return ToQString(layout::ControlAt(id).text);
}

QGroupBox* NewFrame(ControlId id, QWidget& parent) {
  auto* frame = new QGroupBox(TextOf(id), &parent);
  frame->setStyleSheet(QString::fromLatin1(kFrameStyle));
  return frame;
}

QLabel* NewCaption(ControlId id, QWidget& parent) {
  auto* label = new QLabel(TextOf(id), &parent);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignTop | Qt::AlignLeft);  // drawn from the top, as a Windows static is
  return label;
}

}  // namespace

MainWindow::MainWindow(FrmMain::Clock clock, FrmMain::PathSource settingsFilePath)
    : QWidget(nullptr, kWindowFlags), dpi_(qRound(screen()->logicalDotsPerInch())) {
  RegisterIconResource();
  InstallReadOutAccessibility();
  setWindowTitle(ToQString(layout::kTitle));
  setWindowIcon(QIcon(QStringLiteral(":/quorlane.ico")));
  // Fixed: the border does not resize and window managers offer no maximise.
  const layout::Size client = layout::ClientPixels(dpi_);
  setFixedSize(client.width, client.height);
  Place(ControlId::Frame1, CreateSettingsFrame());
  Place(ControlId::Frame2, CreateStatusFrame());
  SetTabOrder();
  tmrMain_ = new QTimer(this);
  tmrMain_->setObjectName(QStringLiteral("tmrMain"));
  tmrMain_->setTimerType(Qt::PreciseTimer);

  parts_ = std::make_unique<Parts>(Parts{QtTextBox(*txtMemnberCount_), QtButton(*btnStart_),
                                         *lblTime_, *lblCost_, QtTimer(*tmrMain_)});
  frmMain_ =
      std::make_unique<FrmMain>(parts_->Bind(*this), std::move(clock), std::move(settingsFilePath));
  connect(btnStart_, &QPushButton::clicked, this, [this] { frmMain_->btnStart_Click(); });
  connect(tmrMain_, &QTimer::timeout, this, &MainWindow::Tick);
  frmMain_->Form_Load();
}

MainWindow::~MainWindow() = default;

QGroupBox* MainWindow::CreateSettingsFrame() {
  QGroupBox* frame = NewFrame(ControlId::Frame1, *this);
  Place(ControlId::Label2_0, NewCaption(ControlId::Label2_0, *frame));
  txtMemnberCount_ =
      Place(ControlId::txtMemnberCount, new QLineEdit(TextOf(ControlId::txtMemnberCount), frame));
  txtMemnberCount_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  txtMemnberCount_->setMaxLength(std::numeric_limits<int>::max());
  Place(ControlId::Label2_1, NewCaption(ControlId::Label2_1, *frame));
  btnStart_ = Place(ControlId::btnStart, new QPushButton(TextOf(ControlId::btnStart), frame));
  // Enter presses the focused button, as on Windows; outside a dialog this makes no default button.
  btnStart_->setAutoDefault(true);
  return frame;
}

QGroupBox* MainWindow::CreateStatusFrame() {
  QGroupBox* frame = NewFrame(ControlId::Frame2, *this);
  Place(ControlId::Label2_2, NewCaption(ControlId::Label2_2, *frame));
  lblTime_ = Place(ControlId::lblTime, new ReadOutLabel(ControlId::lblTime, *frame));
  Place(ControlId::Label2_3, NewCaption(ControlId::Label2_3, *frame));
  lblCost_ = Place(ControlId::lblCost, new ReadOutLabel(ControlId::lblCost, *frame));
  // The read-outs fill their background: beneath the captions their boxes reach into, they hide
  // nothing of them.
  for (ReadOutLabel* readOut : {lblTime_, lblCost_}) readOut->lower();
  return frame;
}

// Names the widget as the system does, puts it where the table says and gives it its spoken name.
template <class Widget>
Widget* MainWindow::Place(ControlId id, Widget* widget) {
  const layout::Control& control = layout::ControlAt(id);
  widgets_[static_cast<std::size_t>(id)] = widget;
  widget->setObjectName(ToQString(control.objectName));
  const layout::Rect box = layout::PixelBox(id, dpi_, layout::Origin::Parent);
  widget->setGeometry(box.left, box.top, box.width, box.height);
  if (!layout::TakesFocus(control.kind)) widget->setFocusPolicy(Qt::NoFocus);
  widget->setAccessibleName(ToQString(layout::SpokenName(id)));
  return widget;
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

// The handler writes both read-outs; then screen readers hear what changed, once each.
void MainWindow::Tick() {
  frmMain_->tmrMain_Timer();
  for (ReadOutLabel* readOut : {lblTime_, lblCost_}) readOut->AnnounceChange();
}

void MainWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  // Minimising and restoring change the state without resizing the window.
  if (event->type() == QEvent::WindowStateChange) frmMain_->Form_Resize();
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
