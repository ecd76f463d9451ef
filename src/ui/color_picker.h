// TColorPicker: a drop-down list of colour values with a swatch per item: the
// basic colours, then the desktop's system colours. A value the list does not
// hold (a colour saved by hand) gets an item of its own, so it is shown and kept.
#pragma once

#include <QComboBox>
#include <cstdint>

namespace nalo {

class TColorPicker : public QComboBox {
  Q_OBJECT
 public:
  TColorPicker(const char* object_name, QWidget* parent = nullptr);

  // Selects `value`, adding an item for it when none shows it.
  void SetColorValue(std::int32_t value);
  std::int32_t ColorValue() const;

 signals:
  void ColorValueChanged(std::int32_t value);

 private:
  void AddColorItem(std::int32_t value, const QString& name);
  int custom_item_ = -1;  // the item added for an unlisted value, -1 while none
};

// The caption of the item for an unlisted plain colour: "カスタム #RRGGBB".
QString CustomColorCaption(std::int32_t value);

}  // namespace nalo
