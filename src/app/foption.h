// TFOption, the options dialog: start maximised, search sub-folders, trim names,
// and the font, size and colours of the entry list with a preview and two
// presets. It is loaded from an options record and read back only when accepted;
// the main window stores and applies what it gives back.
#pragma once

#include <QDialog>
#include <string>

#include "settings/options_settings.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace nalo {

class TColorPicker;
class TFontNamePicker;

class TFOption : public QDialog {
  Q_OBJECT
 public:
  explicit TFOption(QWidget* parent = nullptr);

  // Puts `options` into the controls and refreshes the preview.
  void LoadOptions(const TOptionsSettings& options);
  // The options the controls hold. A size that matched no item when loaded and
  // was not chosen since is given back as loaded.
  TOptionsSettings Options() const;

  void BitBtn3Click();  // "デフォルト設定(&D)"
  void BitBtn4Click();  // "Windows標準(&W)"
  // Any change of a colour, the font or the size: the preview follows.
  void ComboClick();

  QTabWidget* PageControl1;
  QCheckBox* chk_StartFormMAX;
  QCheckBox* chk_SubFolderOpt;
  QCheckBox* chk_Trim;
  TFontNamePicker* FontNameComboBox1;
  TColorPicker* CCmb_Font;
  TColorPicker* CCmb_Back;
  QComboBox* cmb_Size;
  QLineEdit* Edit1;
  QPushButton* BitBtn3;
  QPushButton* BitBtn4;
  QPushButton* BitBtn2;
  QPushButton* BitBtn1;

 private:
  QWidget* BuildStartPage();
  QWidget* BuildSearchPage();
  QWidget* BuildRenamePage();
  QWidget* BuildListViewPage();
  QWidget* BuildLookGroup();
  void ApplyLook(const TListViewOptions& look);

  std::string loaded_size_;  // FontSize as loaded
};

}  // namespace nalo
