// TColorPicker: a drop-down list of colour values with a swatch per item: the
// basic colours, then the desktop's system colours, then "その他..." which asks
// for any colour. A value the list does not hold (a colour chosen that way or
// saved by hand) gets an item of its own, so it is shown and kept.
#pragma once

#include <QColor>
#include <QComboBox>
#include <cstdint>
#include <functional>
#include <optional>

namespace nalo {

class TColorPicker : public QComboBox {
  Q_OBJECT
 public:
  // Asks the user for a colour starting from `start`; nothing when cancelled.
  using TColorChooser = std::function<std::optional<QColor>(QWidget* parent, const QColor& start)>;

  TColorPicker(const char* object_name, QWidget* parent = nullptr);

  // Selects `value`, adding an item for it when none shows it.
  void SetColorValue(std::int32_t value);
  std::int32_t ColorValue() const { return value_; }
  // Replaces the colour dialog that "その他..." opens (tests answer it here).
  void SetChooser(TColorChooser chooser) { chooser_ = std::move(chooser); }

 signals:
  void ColorValueChanged(std::int32_t value);

 private:
  void AddColorItem(std::int32_t value, const QString& name);
  void ItemChosen(int index);
  void ChooseOtherColor();
  int OtherItem() const { return count() - 1; }

  std::int32_t value_ = 0;
  int custom_item_ = -1;  // the item added for an unlisted value, -1 while none
  TColorChooser chooser_;
};

// The caption of the item for an unlisted plain colour: "カスタム #RRGGBB".
QString CustomColorCaption(std::int32_t value);

}  // namespace nalo
