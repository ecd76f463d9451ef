// The frame shared by the five template dialogs: the template combo box with its
// candidate list, the live preview, one or two parts lists with their add and
// help buttons, the candidate-list button, OK and Cancel. A subclass adds its
// option controls, says how the preview reads and stores its record. OK refuses a
// preview that cannot stand in a file name, and then the window refuses to close
// until a valid OK or Cancel.
#pragma once

#include <QDialog>
#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "fileinfo/template_dialog_texts.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;
class QVBoxLayout;

namespace nalo {

class TIniFile;
class TMessenger;

// What the dialogs need from the program.
struct TTemplateDialogEnv {
  TMessenger* Messenger = nullptr;
  std::string SettingsFolder;  // holds Nalo.ini and the codec files
  // Edits a candidate list titled `title`; the edited items, or nothing when cancelled.
  std::function<std::optional<std::vector<std::string>>(QWidget* parent, const QString& title,
                                                        const std::vector<std::string>& items)>
      EditList;
};

// Today's local date, shown for <DATE> in previews.
std::tm TodayLocal();

inline constexpr const char* kTemplateRefusal = "ファイル名に使用できない文字が含まれています。";

class TTemplateDialog : public QDialog {
  Q_OBJECT
 protected:
  // `parts_name` and `second_parts_name` are the object names of the parts lists.
  TTemplateDialog(TTemplateDialogEnv env, TTemplateDialogTexts texts, const char* parts_name,
                  const char* second_parts_name, QWidget* parent);

  // The preview of the controls as they are now (CP932).
  virtual std::string PreviewText() const = 0;
  // Copies the controls into the record and writes its section into `ini`.
  virtual void Store(TIniFile& ini) = 0;
  // Where a second parts list's tags go (the AVI audio template); the template by default.
  virtual QLineEdit* SecondPartsTarget() { return nullptr; }

  // Fills the template box; call once the subclass has built its controls.
  void Start(const std::string& template_text, const std::vector<std::string>& candidates);
  void RefreshPreview();
  // Refreshes the preview whenever `combo` changes its choice.
  void RefreshOn(QComboBox* combo);
  QComboBox* NewChoiceBox(const char* object_name, const TextLines& items, int index);
  QVBoxLayout* OptionsLayout() const { return options_; }
  QLabel* PreviewLabel() const { return preview_label_; }
  const TTemplateDialogEnv& Env() const { return env_; }
  std::string TemplateCp932() const;

  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  QListWidget* NewPartsList(const char* object_name, const TTemplateParts& parts);
  void AddPart(QListWidget* list, QLineEdit* target);
  void ShowHelp(const TTemplateParts& parts);
  void EditCandidates();
  void OkClick();

  TTemplateDialogEnv env_;
  TTemplateDialogTexts texts_;
  bool may_close_ = true;
  bool cancelling_ = false;
  QComboBox* cmb_Format;
  QLineEdit* edt_Preview;
  QLabel* preview_label_;
  QVBoxLayout* options_;
};

}  // namespace nalo
