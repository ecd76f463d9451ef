// Families come from the font database's Japanese writing system; those without
// a code-page-932 form could not be saved and are left out.
#include "ui/font_name_picker.h"

#include <QFontDatabase>

#include "ui/qt_text.h"

namespace nalo {

TFontNamePicker::TFontNamePicker(const char* object_name, QWidget* parent) : QComboBox(parent) {
  setObjectName(object_name);
  for (const QString& family : QFontDatabase::families(QFontDatabase::Japanese)) {
    if (ToCp932(family)) addItem(family);
  }
}

void TFontNamePicker::SetFontName(const std::string& cp932) {
  const QString family = FromCp932(cp932);
  int index = findText(family, Qt::MatchFixedString);
  if (index < 0) {
    insertItem(0, family);
    index = 0;
  }
  setCurrentIndex(index);
}

std::string TFontNamePicker::FontName() const { return ToCp932(currentText()).value_or(std::string()); }

}  // namespace nalo
