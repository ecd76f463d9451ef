// TFresult: the confirmation window. It shows the rows a rule computed (present
// name, new name, folder) and lets the user narrow the batch (remove rows, select
// the rows to apply), correct a new name, copy either list to the clipboard and
// save it to a file. Its size and column widths are kept in the settings file.
#pragma once

#include <QDialog>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "execution/rename_preview.h"
#include "listing/list_data.h"
#include "rules/confirmation_row.h"
#include "settings/result_form_settings.h"

class QAction;
class QItemSelection;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableView;

namespace nalo {

class TMessenger;
class TResultModel;

// What the window needs from its owner.
struct TResultEnv {
  TMessenger* Messenger = nullptr;
  std::string SettingsFolder;            // UTF-8; Nalo.ini lives there
  TResultFormSettings* Geometry = nullptr;  // the bounds kept in memory; updated on close
  const TEntryList* Scanned = nullptr;      // the entries the rows were made from (required)
  // The clash verdicts of the rows as given, when the owner made them beforehand
  // (on a worker, for a large batch); otherwise the window makes them.
  std::vector<TRowClash> Clashes = {};
};

inline constexpr const char* kResultCaption = "置換するとこうなるぞ";
inline constexpr const char* kMsgNothingToSave = "保存対象アイテムが0個です。";

class TFresult : public QDialog {
  Q_OBJECT
 public:
  TFresult(TConfirmationList& rows, TResultEnv env, QWidget* parent = nullptr);
  ~TFresult() override;

  void SetOkButton(const QString& caption, const QString& hint);
  // The rows the apply step takes: the selected ones, ascending; empty for all.
  std::vector<std::size_t> SelectedRows() const;
  QString CountText() const;

  // Commands, also used by the tests.
  void Menu_DeleteClick();
  void ListView1ColumnClick(int column);
  void A1Click();
  void I1Click();
  void ClipClick(int tag);  // 1 present names, 2 new names
  void SaveAs1Click();
  void mnu_FnameModifClick();

  QTableView* ListView1 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;  // "問題のある行：N個", shown while some row would fail
  QLineEdit* Edit1 = nullptr;
  QPushButton* btn_OK = nullptr;
  QPushButton* btn_Cancel = nullptr;
  QMenu* PopupMenu1 = nullptr;

 protected:
  void done(int result) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenus();
  void ApplyGeometry();
  void FitProblemColumn();
  void SaveGeometry();
  void ListView1SelectItem(const QItemSelection& selected, const QItemSelection& deselected);
  void PopupMenu1Popup();
  void UpdateCountText();
  // Runs a sort or a clash check of the whole list (TResultModel::TLongStepRunner).
  void RunLongStep(const QString& what, const std::function<void()>& step);
  // Rows a command works on: the selected ones, or all when none is selected.
  std::vector<std::size_t> TargetRows() const;

  TConfirmationList& rows_;
  TResultEnv env_;
  TResultModel* model_ = nullptr;
  QAction* mnu_FnameModif_ = nullptr;
  QAction* Menu_Delete_ = nullptr;
  std::vector<std::size_t> selection_before_press_;
};

// Writes the present names (choice 0) or the new names (choice 1) of `rows` at
// `targets`, one CRLF-ended line each, empty values skipped, as CP932 bytes.
// Returns 0 or the errno of the failure.
int WriteNameList(const std::string& utf8_path, const TEntryList& entries,
                  const TConfirmationList& rows, const std::vector<std::size_t>& targets,
                  int choice);

}  // namespace nalo
