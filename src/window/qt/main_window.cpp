#include "window/qt/main_window.h"

#include <QDebug>
#include <QEvent>
#include <QFont>
#include <QFontDatabase>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <utility>
#include <vector>

#include "window/qt/qt_controls.h"

// Resources of a static library must be registered by hand, from the global namespace.
static void RegisterIconResource() {
  Q_INIT_RESOURCE(quorlane);
}

namespace quorlane {

struct QtControls {
  QtTextBox txtMemnberCount;
  QtButton btnStart;
  QtLabel lblTime;
  QtLabel lblCost;
  QtTimer tmrMain;
};

namespace {

// Title bar with system menu, minimise and close; no maximise.
constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

// Closest to the Windows face, then IPA's metric-compatible proportional gothic.
constexpr std::string_view kReadOutFallbackFace = "IPAPGothic";

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QFont ReadOutFont(const layout::Font& face) {
  QStringList families{ToQString(face.face), ToQString(kReadOutFallbackFace)};
  const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
  if (!japanese.isEmpty()) {
    families.append(japanese.first());
  }
  QFont font;
  font.setFamilies(families);
  font.setPointSizeF(face.points);
  font.setWeight(static_cast<QFont::Weight>(face.weight));
  font.setItalic(false);
  font.setUnderline(false);
  font.setStrikeOut(false);
  return font;
}

// Frames and labels never take the focus.
bool TakesFocus(layout::Kind kind) {
  return kind == layout::Kind::TextBox || kind == layout::Kind::Button;
}

// The frame line runs through the middle of the caption, as on Windows, so that controls placed
// just below the caption sit inside the frame; styles that put the caption above the line would
// cut through them.
constexpr auto kFrameStyle = R"(
QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 0.5em; }
QGroupBox::title { subcontrol-origin: margin; left: 0.5em; padding: 0 0.2em; }
)";

Qt::Alignment LabelAlignment(layout::Align align) {
  // A Windows static label draws its text from the top of its box.
  return Qt::AlignTop | (align == layout::Align::Right ? Qt::AlignRight : Qt::AlignLeft);
}

QLabel* CreateLabel(const layout::Control& control, QWidget& parent) {
  auto* label = new QLabel(ToQString(control.text), &parent);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(LabelAlignment(control.align));
  if (control.font) {
    label->setFont(ReadOutFont(*control.font));
  }
  if (control.color) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText,
                     QColor(control.color->red, control.color->green, control.color->blue));
    label->setPalette(palette);
  }
  return label;
}

QLineEdit* CreateTextBox(const layout::Control& control, QWidget& parent) {
  auto* box = new QLineEdit(ToQString(control.text), &parent);
  box->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  box->setMaxLength(std::numeric_limits<int>::max());
  return box;
}

QPushButton* CreateButton(const layout::Control& control, QWidget& parent) {
  auto* button = new QPushButton(ToQString(control.text), &parent);
  // Enter presses the focused button, as on Windows; outside a dialog this makes no default button.
  button->setAutoDefault(true);
  return button;
}

}  // namespace

MainWindow::MainWindow(FrmMain::Clock clock, FrmMain::PathSource settingsFilePath)
    : QWidget(nullptr, kWindowFlags), tmrMain_(new QTimer(this)) {
  RegisterIconResource();
  setWindowTitle(ToQString(layout::kTitle));
  setWindowIcon(QIcon(QStringLiteral(":/quorlane.ico")));
  // Fixed: the border does not resize and window managers offer no maximise.
  setFixedSize(TwipsToPixels(layout::kClientWidth), TwipsToPixels(layout::kClientHeight));
  for (const layout::Control& control : layout::kControls) {
    if (control.parent.empty()) {
      CreateControl(control, *this);
    }
  }
  SetTabOrder();
  tmrMain_->setObjectName(QStringLiteral("tmrMain"));
  tmrMain_->setTimerType(Qt::PreciseTimer);

  auto& btnStart = Named<QPushButton>(QStringLiteral("btnStart"));
  controls_ = std::make_unique<QtControls>(
      QtControls{QtTextBox(Named<QLineEdit>(QStringLiteral("txtMemnberCount"))), QtButton(btnStart),
                 QtLabel(Named<QLabel>(QStringLiteral("lblTime"))),
                 QtLabel(Named<QLabel>(QStringLiteral("lblCost"))), QtTimer(*tmrMain_)});
  frmMain_ = std::make_unique<FrmMain>(
      FrmMainControls{*this, controls_->txtMemnberCount, controls_->btnStart, controls_->lblTime,
                      controls_->lblCost, controls_->tmrMain},
      std::move(clock), std::move(settingsFilePath));

  connect(&btnStart, &QPushButton::clicked, this, [this] { frmMain_->btnStart_Click(); });
  connect(tmrMain_, &QTimer::timeout, this, [this] { frmMain_->tmrMain_Timer(); });
  frmMain_->Form_Load();
}

MainWindow::~MainWindow() = default;

QString MainWindow::ObjectName(const layout::Control& control) {
  const QString name = ToQString(control.name);
  return control.index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(control.index);
}

void MainWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  // Minimising and restoring change the state without resizing the window.
  if (event->type() == QEvent::WindowStateChange) {
    frmMain_->Form_Resize();
  }
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  frmMain_->Form_Resize();
}

void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  QueueWarnings();
}

std::string MainWindow::Title() const {
  return windowTitle().toStdString();
}

void MainWindow::SetTitle(const std::string& title) {
  setWindowTitle(QString::fromStdString(title));
}

WindowState MainWindow::State() const {
  if (isMinimized()) {
    return WindowState::Minimised;
  }
  return isMaximized() ? WindowState::Maximised : WindowState::Normal;
}

void MainWindow::PinTopLeft() {
  // Changing the window flags hides a shown window; show it again in its new place.
  const bool shown = isVisible();
  setWindowFlag(Qt::WindowStaysOnTopHint);
  move(0, 0);
  if (shown) {
    show();
  }
}

void MainWindow::ShowWarningWhenVisible(const std::string& message) {
  qWarning().noquote() << QString::fromStdString(message);  // also for whoever started us
  pendingWarnings_.append(QString::fromStdString(message));
  if (isVisible()) {
    QueueWarnings();
  }
}

void MainWindow::CreateControl(const layout::Control& control, QWidget& parent) {
  QWidget* widget = nullptr;
  switch (control.kind) {
    case layout::Kind::Frame:
      widget = CreateFrame(control, parent);
      break;
    case layout::Kind::Label:
      widget = CreateLabel(control, parent);
      break;
    case layout::Kind::TextBox:
      widget = CreateTextBox(control, parent);
      break;
    case layout::Kind::Button:
      widget = CreateButton(control, parent);
      break;
  }
  widget->setObjectName(ObjectName(control));
  Place(*widget, control.box);
  if (!TakesFocus(control.kind)) {
    widget->setFocusPolicy(Qt::NoFocus);
  }
}

QGroupBox* MainWindow::CreateFrame(const layout::Control& frame, QWidget& parent) {
  auto* group = new QGroupBox(ToQString(frame.text), &parent);
  group->setStyleSheet(QString::fromLatin1(kFrameStyle));
  for (const layout::Control& control : layout::kControls) {
    if (control.parent == frame.name) {
      CreateControl(control, *group);
    }
  }
  return group;
}

int MainWindow::TwipsToPixels(int twips) const {
  const double dpi = screen()->logicalDotsPerInch();
  return static_cast<int>(std::lround(twips * dpi / layout::kTwipsPerInch));
}

void MainWindow::Place(QWidget& widget, const layout::Rect& box) const {
  widget.setGeometry(TwipsToPixels(box.left), TwipsToPixels(box.top), TwipsToPixels(box.width),
                     TwipsToPixels(box.height));
}

void MainWindow::SetTabOrder() {
  std::vector<std::pair<int, QWidget*>> focusable;
  for (const layout::Control& control : layout::kControls) {
    if (TakesFocus(control.kind)) {
      focusable.emplace_back(control.tabIndex, &Named<QWidget>(ObjectName(control)));
    }
  }
  std::ranges::sort(focusable, {}, &std::pair<int, QWidget*>::first);
  for (std::size_t i = 1; i < focusable.size(); ++i) {
    setTabOrder(focusable[i - 1].second, focusable[i].second);
  }
  if (!focusable.empty()) {
    focusable.front().second->setFocus();
  }
}

template <class Widget>
Widget& MainWindow::Named(const QString& name) const {
  auto* widget = findChild<Widget*>(name);
  if (widget == nullptr) {
    throw std::logic_error("no widget named " + name.toStdString());
  }
  return *widget;
}

void MainWindow::QueueWarnings() {
  if (!pendingWarnings_.isEmpty()) {
    QTimer::singleShot(0, this, &MainWindow::ShowPendingWarnings);
  }
}

void MainWindow::ShowPendingWarnings() {
  for (const QString& message : std::exchange(pendingWarnings_, {})) {
    auto* box = new QMessageBox(QMessageBox::Warning, ToQString(layout::kTitle), message,
                                QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
  }
}

}  // namespace quorlane
