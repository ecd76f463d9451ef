// Items carry their colour value as item data; the swatch is painted from the
// value at construction, so system colours show the desktop's current scheme.
// At most one extra item exists: it is reused for each unlisted value.
#include "ui/color_picker.h"

#include <QPixmap>

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

}  // namespace

QString CustomColorCaption(std::int32_t value) {
  if (const std::optional<int> system = SystemColorIndex(value)) {
    return QStringLiteral("システムカラー %1").arg(*system);
  }
  return QStringLiteral("カスタム ") + ColorFromWindows(value).name(QColor::HexRgb).toUpper();
}

TColorPicker::TColorPicker(const char* object_name, QWidget* parent) : QComboBox(parent) {
  setObjectName(object_name);
  for (const TNamedColor& color : NamedColors()) AddColorItem(color.Value, QString::fromUtf8(color.Name));
  connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (index >= 0) emit ColorValueChanged(ColorValue());
  });
}

void TColorPicker::AddColorItem(std::int32_t value, const QString& name) {
  addItem(Swatch(value), name, QVariant::fromValue<qint32>(value));
}

void TColorPicker::SetColorValue(std::int32_t value) {
  if (const std::optional<std::size_t> at = FindNamedColor(value)) {
    setCurrentIndex(static_cast<int>(*at));
    return;
  }
  if (custom_item_ < 0) {
    AddColorItem(value, CustomColorCaption(value));
    custom_item_ = count() - 1;
  } else {
    setItemIcon(custom_item_, Swatch(value));
    setItemText(custom_item_, CustomColorCaption(value));
    setItemData(custom_item_, QVariant::fromValue<qint32>(value));
  }
  if (currentIndex() == custom_item_) {
    emit ColorValueChanged(value);  // the index stays, the value changed
  } else {
    setCurrentIndex(custom_item_);
  }
}

std::int32_t TColorPicker::ColorValue() const { return currentData().value<qint32>(); }

}  // namespace nalo
