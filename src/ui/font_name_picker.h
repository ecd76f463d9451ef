// TFontNamePicker: a drop-down list of the installed font families that can
// write Japanese. A saved name that is not installed (the Windows fonts the
// settings name) is listed too, so confirming a dialog keeps it unchanged.
#pragma once

#include <QComboBox>
#include <string>

namespace nalo {

class TFontNamePicker : public QComboBox {
  Q_OBJECT
 public:
  TFontNamePicker(const char* object_name, QWidget* parent = nullptr);

  // Selects the family `cp932`, adding it at the top when it is not listed.
  void SetFontName(const std::string& cp932);
  // The selected family in code page 932.
  std::string FontName() const;
};

}  // namespace nalo
