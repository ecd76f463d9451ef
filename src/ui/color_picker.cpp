// Items carry their colour value as item data; the swatch is painted from the
// value at construction, so system colours show the desktop's current scheme.
// At most one extra item exists, just above "その他...": it is reused for each
// unlisted value. Choosing "その他..." and cancelling goes back to the last value.
#include "ui/color_picker.h"

#include <QColorDialog>
#include <QPixmap>
#include <QSignalBlocker>

#include "settings/windows_color.h"
#include "ui/list_look.h"

namespace nalo {
namespace {

// Side of the colour swatch in front of each item, in pixels.
constexpr int kSwatchSize = 14;

QIcon Swatch(std::int32_t value) {
  QPixmap pixmap(kSwatchSize, kSwatchSize);
  pixmap.fill(ColorFromWindows(value));
  return QIcon(pixmap);
}

std::optional<QColor> AskWithColorDialog(QWidget* parent, const QColor& start) {
  const QColor chosen = QColorDialog::getColor(start, parent);
  if (!chosen.isValid()) return std::nullopt;
  return chosen;
}

}  // namespace

QString CustomColorCaption(std::int32_t value) {
  if (const std::optional<int> system = SystemColorIndex(value)) {
    return QStringLiteral("システムカラー %1").arg(*system);
  }
  return QStringLiteral("カスタム ") + ColorFromWindows(value).name(QColor::HexRgb).toUpper();
}

TColorPicker::TColorPicker(const char* object_name, QWidget* parent)
    : QComboBox(parent), chooser_(AskWithColorDialog) {
  setObjectName(object_name);
  for (const TNamedColor& color : NamedColors()) AddColorItem(color.Value, QString::fromUtf8(color.Name));
  addItem(QStringLiteral("その他..."));
  value_ = NamedColors()[0].Value;
  connect(this, &QComboBox::currentIndexChanged, this, &TColorPicker::ItemChosen);
}

void TColorPicker::AddColorItem(std::int32_t value, const QString& name) {
  addItem(Swatch(value), name, QVariant::fromValue<qint32>(value));
}

void TColorPicker::ItemChosen(int index) {
  if (index < 0) return;
  if (index == OtherItem()) {
    ChooseOtherColor();
    return;
  }
  value_ = itemData(index).value<qint32>();
  emit ColorValueChanged(value_);
}

void TColorPicker::ChooseOtherColor() {
  const std::optional<QColor> chosen = chooser_(this, ColorFromWindows(value_));
  {
    // Back on the last value before any item is inserted, so "その他..." is
    // never current while the list changes.
    const QSignalBlocker quiet(this);
    setCurrentIndex(findData(QVariant::fromValue<qint32>(value_)));
  }
  if (chosen && chosen->isValid()) {
    SetColorValue(PlainColorValue(chosen->red(), chosen->green(), chosen->blue()));
  }
}

void TColorPicker::SetColorValue(std::int32_t value) {
  if (const std::optional<std::size_t> at = FindNamedColor(value)) {
    setCurrentIndex(static_cast<int>(*at));
    return;
  }
  if (custom_item_ < 0) {
    custom_item_ = OtherItem();
    insertItem(custom_item_, Swatch(value), CustomColorCaption(value), QVariant::fromValue<qint32>(value));
  } else {
    setItemIcon(custom_item_, Swatch(value));
    setItemText(custom_item_, CustomColorCaption(value));
    setItemData(custom_item_, QVariant::fromValue<qint32>(value));
  }
  if (currentIndex() == custom_item_) {
    ItemChosen(custom_item_);  // the index stays, the value changed
  } else {
    setCurrentIndex(custom_item_);
  }
}

}  // namespace nalo
