#include "window/qt/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <vector>

#include "window/layout.h"
#include "window/qt/main_window.h"

namespace quorlane {

namespace {

bool IsReadOut(const QObject& object) {
  const layout::Spoken* spoken = layout::FindSpoken(object.objectName().toStdString());
  return spoken != nullptr && spoken->textIsValue;
}

// A label whose name says what it shows and whose text is the figure. AT-SPI has no value for a
// text, so the figure is the description as well.
class ReadOutInterface final : public QAccessibleWidget {
 public:
  explicit ReadOutInterface(QLabel& label) : QAccessibleWidget(&label, QAccessible::StaticText) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Value || kind == QAccessible::Description) {
      return static_cast<const QLabel*>(widget())->text();
    }
    return QAccessibleWidget::text(kind);
  }
};

QAccessibleInterface* ReadOutFactory(const QString& /*className*/, QObject* object) {
  auto* label = qobject_cast<QLabel*>(object);
  if (label == nullptr || !IsReadOut(*label)) return nullptr;
  return new ReadOutInterface(*label);
}

struct Announced {
  QLabel* label;
  QString text;
};

void AnnounceChanges(std::vector<Announced>& readOuts) {
  for (Announced& readOut : readOuts) {
    if (readOut.label->text() == readOut.text) continue;
    readOut.text = readOut.label->text();
    QAccessibleEvent event(readOut.label, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
  }
}

// Qt keeps the first interface it makes for a widget, and a label makes one as soon as its text is
// set, before it has the name that marks it as a read-out. Nothing outside holds it yet: the
// window has not been shown.
void ForgetInterface(QWidget& widget) {
  if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&widget)) {
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
  }
}

}  // namespace

void MakeAccessible(QWidget& window, QTimer& tick) {
  QAccessible::installFactory(ReadOutFactory);
  std::vector<Announced> readOuts;
  for (const layout::Control& control : layout::kControls) {
    auto* widget = window.findChild<QWidget*>(MainWindow::ObjectName(control));
    // With a name of its own a label no longer reports each new text by itself.
    const std::string_view name = layout::SpokenName(control);
    widget->setAccessibleName(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    if (auto* label = qobject_cast<QLabel*>(widget); label != nullptr && IsReadOut(*label)) {
      ForgetInterface(*label);
      readOuts.push_back({label, label->text()});
    }
  }
  QObject::connect(&tick, &QTimer::timeout, &window,
                   [readOuts = std::move(readOuts)]() mutable { AnnounceChanges(readOuts); });
}

}  // namespace quorlane
