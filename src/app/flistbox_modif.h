// The candidate-list editor (TFListBoxModif, "リスト編集"): a list of the items
// with an edit box, add / change / delete buttons, up and down arrows, OK and
// キャンセル. It works on its own copy of the items (a TCandidateList); the caller
// reads them back only after OK.
#pragma once

#include <QDialog>
#include <optional>
#include <string>
#include <string_view>

#include "settings/candidate_list.h"

class QAction;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QToolButton;

namespace nalo {

class TMessenger;

class TFListBoxModif : public QDialog {
  Q_OBJECT
 public:
  explicit TFListBoxModif(TMessenger& messenger, QWidget* parent = nullptr);

  // Shows `items` (CP932) and captions the dialog for the list `title` (UTF-8).
  void OpenFor(std::string_view title, const StringList& items);
  const StringList& Items() const { return list_.Items(); }

  QGroupBox* GroupBox1;
  QListWidget* ListBox1;
  QLineEdit* Edit1;
  QPushButton* BitBtn1;  // add
  QPushButton* BitBtn2;  // change
  QPushButton* BitBtn5;  // delete
  QToolButton* SpeedButton1;  // up
  QToolButton* SpeedButton2;  // down
  QPushButton* BitBtn3;  // OK
  QPushButton* BitBtn4;  // cancel
  QMenu* PopupMenu1;
  QAction* D1;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildControls();
  void BuildLayout();
  void BitBtn1Click();
  void BitBtn2Click();
  void DeleteClick();
  void SpeedButtonClick(int tag);
  void ListBox1Click(int row);
  // The text of Edit1 in CP932, or nothing (after a message) when a character
  // has no CP932 form.
  std::optional<std::string> EditText();
  // Redraws the items, the selection and the count caption from list_.
  void ShowItems();

  TMessenger& messenger_;
  TCandidateList list_{StringList{}};
};

// Runs the editor for the list `title` over `items`: the edited items after OK,
// nothing after キャンセル.
std::optional<StringList> EditCandidateItems(QWidget* parent, TMessenger& messenger,
                                             std::string_view title, const StringList& items);

}  // namespace nalo
