#include "window/qt/read_out_label.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPalette>
#include <QStringList>
#include <cstdint>

#include "window/qt/qt_controls.h"
#include "window/read_out_colour.h"
#include "window/read_out_fit.h"

namespace quorlane {

namespace {

// Closest to the Windows face, then IPA's metric-compatible proportional gothic.
constexpr std::string_view kReadOutFallbackFace = "IPAPGothic";

// One installed family, chosen once: a family list naming absent fonts makes Qt ask fontconfig
// for the fallbacks of each absent one, for every font and script, which costs start-up time.
// (QFontDatabase::hasFamily would ask fontconfig for an alias of each absent family.)
QString ReadOutFamily() {
  static const QString family = [] {
    const QStringList installed = QFontDatabase::families();
    for (const QString& candidate :
         {ToQString(layout::kReadOutFace), ToQString(kReadOutFallbackFace)}) {
      if (installed.contains(candidate, Qt::CaseInsensitive)) return candidate;
    }
    const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
    return japanese.isEmpty() ? ToQString(layout::kReadOutFace) : japanese.first();
  }();
  return family;
}

QFont DesignFont(const layout::Font& face) {
  QFont font(ReadOutFamily());
  font.setPointSizeF(face.points);
  font.setWeight(static_cast<QFont::Weight>(face.weight));  // upright, no lines: as made
  return font;
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
  auto* label = qobject_cast<ReadOutLabel*>(object);
  return label != nullptr ? new ReadOutInterface(*label) : nullptr;
}

}  // namespace

// The text is set here, not by QLabel's constructor: Qt keeps the first accessible interface it
// makes for a widget, and only a finished ReadOutLabel gets the read-out's.
ReadOutLabel::ReadOutLabel(layout::ControlId id, QWidget& parent)
    : QLabel(&parent),
      ReadOutControl(id),
      id_(id),
      designPoints_(layout::ControlAt(id).font->points) {
  [[maybe_unused]] static const bool readOutsKnown =
      (QAccessible::installFactory(ReadOutFactory), true);
  const layout::Control& control = layout::ControlAt(id);
  setTextFormat(Qt::PlainText);
  setAlignment(Qt::AlignTop | Qt::AlignRight);  // drawn from the top, as a Windows static is
  setFont(DesignFont(*control.font));
  FollowPalette();
  // A read-out changes every second: filling its own background keeps the frame beneath it from
  // being drawn again each time.
  setAutoFillBackground(true);
  setText(ToQString(control.text));
}

void ReadOutLabel::Show(const std::string& caption) {
  setText(QString::fromStdString(caption));
  FitFontToBox();
}

void ReadOutLabel::Announce(const std::string& /*caption*/) {
  QAccessibleEvent event(this, QAccessible::DescriptionChanged);
  QAccessible::updateAccessibility(&event);
}

void ReadOutLabel::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  if (event->type() == QEvent::PaletteChange) FollowPalette();
}

// The text colour for the background the label fills itself with; setting it changes the palette
// again, which then finds nothing more to do.
void ReadOutLabel::FollowPalette() {
  const auto rgb = [this](QPalette::ColorRole role) {
    const QColor colour = palette().color(role);
    return layout::Rgb{static_cast<std::uint8_t>(colour.red()),
                       static_cast<std::uint8_t>(colour.green()),
                       static_cast<std::uint8_t>(colour.blue())};
  };
  const layout::Rgb text = LabelTextColour(layout::ControlAt(id_), rgb(backgroundRole()),
                                           rgb(QPalette::WindowText), false);
  const QColor colour(text.red, text.green, text.blue);
  if (palette().color(QPalette::WindowText) == colour) return;
  QPalette colours = palette();
  colours.setColor(QPalette::WindowText, colour);
  setPalette(colours);
}

void ReadOutLabel::FitFontToBox() {
  QFont fitted = font();
  const QString shown = text();
  const double points = FittingPointSize(designPoints_, contentsRect().width(), [&](double size) {
    fitted.setPointSizeF(size);
    return QFontMetrics(fitted).horizontalAdvance(shown);
  });
  fitted.setPointSizeF(points);
  if (fitted != font()) setFont(fitted);
}

}  // namespace quorlane
