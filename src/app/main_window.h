// TFMainFrm: the main window. It owns the entry list and the listing state, the
// six tab records and exclusion lists, the one tab frame on screen, the watcher
// and the menus, and turns every command into a call of the core. The class is
// split by concern over several files: construction, menus, tab switching,
// listing, commands, rule runs and settings.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "execution/batch_runner.h"
#include "execution/failure_reasons.h"
#include "execution/rename_preview.h"
#include "execution/watcher_pause.h"
#include "fileinfo/info_settings.h"
#include "listing/dir_watch.h"
#include "listing/list_data.h"
#include "listing/list_folder.h"
#include "listing/listing_state.h"
#include "rules/confirmation_row.h"
#include "rules/info_text_source.h"
#include "rules/rule_run.h"
#include "settings/settings_files.h"

class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QSplitter;
class QTabBar;
class QTableView;

namespace nalo {

class TDirWatchBridge;
class TFBatchProgress;
class TEntryListModel;
class TFFolderTreeView;
class TFYesNoDialogEx;
class TFrm_Search;
class TLivePreview;
class TMessenger;
class TTabFrame;

struct TMainWindowOptions {
  std::string SettingsFolder;        // UTF-8
  std::optional<QString> FolderArgument;  // the first command-line argument
  TMessenger* Messenger = nullptr;   // null: the window uses Qt's message boxes
};

inline constexpr const char* kAppTitle = "Nalo";

class TFMainFrm : public QMainWindow {
  Q_OBJECT
 public:
  explicit TFMainFrm(TMainWindowOptions options, QWidget* parent = nullptr);
  ~TFMainFrm() override;

  // --- the run bracket around every listing and rule run
  void BeginRuleRun();
  void EndRuleRun();
  // A run, a listing or a batch is under way (the entries are not to be changed).
  bool Busy() const { return busy_ || worker_runs_ > 0; }

  // The rest of the start once the window is on screen (queued by the first
  // showing, so that a long first listing runs under a painted window): the
  // offer to undo an unfinished batch, the first listing, the saved tab. Runs
  // once; a caller that cannot wait for the event loop may run it first.
  void FinishStart();
  // SIGINT or SIGTERM: the open questions and dialogs are answered as cancelled
  // (progress windows stay: their work ends through the close), then the window
  // closes as its close button would; a batch under way stops after its step.
  void CloseFromSignal();

  // --- listing
  // Lists a folder (UTF-8 path); false when nothing was listed.
  bool ListFolder(const QString& folder);
  // Lists CurrentFolder again, or the text of cmb_Path without one. True when the
  // user declined the listing.
  bool RelistFolder();
  void DirectoryWatcher1Change();
  // Enter in the folder box: a typed folder other than the listed one is listed;
  // otherwise the listed folder is listed again.
  void cmb_PathEnter();
  // Exactly one dropped folder is listed; anything else is ignored.
  void DropPaths(const QStringList& paths);

  // --- tabs and modes
  int CurrentTab() const { return current_tab_; }
  void ApplyTargetMode(bool files_mode);
  bool FilesMode() const;
  void StoreTabStatus(int tab);
  void RestoreTabStatus(int tab);
  TTabFrame* CurrentFrame() const { return frame_; }

  // --- commands
  void btn_ActionClick();
  void btn_ReturnClick();
  void Btn_FolderClick();
  void SpeedButton1Click();
  void R1Click();
  void File2Click();
  void Folder1Click();
  void N4Click();  // select all
  void I1Click();  // invert the selection
  void Menu_SizeClick(int unit);
  void ListView1ColumnClick(int column);
  void menu_DelClick();
  void ConnectDeleteAndRename();
  // The options dialog: loads it from Nalo.ini, and on OK writes the options at
  // once and applies them to this window (main_window_options.cpp).
  void N3Click();
  // Single rename: the dialog (a double-click or Enter on the list) or an edit of
  // the name in place (Rename1, Rename2), each only with exactly one selected row.
  void ListView1DblClick();
  void ListView1KeyPress();
  void Rename1Click();
  // Commits the in-place edit of row `row` to `text`.
  void ListView1Edited(std::size_t row, const QString& text);
  void pmn_NameClick();
  void pmn_SizeClick();
  void pmn_PathClick();
  // Combo clipboard commands: 1 cut, 2 copy, 3 paste on the combo of PopupTag.
  void PopMenuClick(int command);
  void SetPopupTag(int tag) { popup_tag_ = tag; }
  // Opens the list editor for the list of tab `tab` chosen by PopupTag; after OK
  // the list is stored and the combo box that shows it is refilled.
  void EditCandidateList(int tab);
  // Opens the template dialog of an information kind; the add rule then uses the
  // stored record.
  void OpenTemplateDialog(TInfoKind kind);
  void About1Click();
  // The folder tree window: shows it (made at its first use) or closes it
  // (main_window_folder_tree.cpp).
  void menu_FolderWinClick();
  TFFolderTreeView* FolderTreeView() const;

  // The context of the current rule over `list` (the live entries or a copy of
  // them): selection flags (kept in `selection`), exclusion, trim option, target
  // mode and information source; the run bracket is the caller's to add.
  TRuleContext RuleContextFor(const TEntryList& list, std::vector<bool>& selection) const;
  const TInfoSettings& InfoSettings() const { return info_; }
  TLivePreview* Preview() const { return preview_; }

  // --- state the tests and the screenshots look at
  const TEntryList& Entries() const { return entries_; }
  const TListingState& State() const { return state_; }
  const TTabStatusSet& Records() const { return settings_.Tabs; }
  QString Panel0Text() const;
  QString Panel1Text() const;
  std::vector<std::size_t> SelectedEntries() const;
  void SelectEntries(const std::vector<std::size_t>& rows);
  const std::string& SettingsFolder() const { return options_.SettingsFolder; }

  // Widgets with the names the program's parts and tests look for.
  QComboBox* cmb_Path = nullptr;
  QPushButton* Btn_Folder = nullptr;
  QPushButton* SpeedButton1 = nullptr;
  QTableView* ListView1 = nullptr;
  QTabBar* TabControl1 = nullptr;
  QWidget* TabPanel = nullptr;
  QWidget* Panel4 = nullptr;
  QCheckBox* chk_not = nullptr;
  QLabel* Label1 = nullptr;
  QComboBox* cmb_notText = nullptr;
  QCheckBox* chk_OmojiKomoji = nullptr;
  QCheckBox* chk_SelectOnly = nullptr;
  QPushButton* btn_Action = nullptr;
  QPushButton* btn_Return = nullptr;
  QMenu* pm_Main = nullptr;
  QMenu* pm_Combo = nullptr;
  QMenu* pm_Label = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // main_window_build.cpp
  void BuildToolBar();
  void BuildCentre();
  QWidget* BuildRightPanel();
  void BuildStatusBar();
  // main_window_menus.cpp
  void BuildMainMenu();
  void BuildFileMenu();
  void BuildEditMenu();
  void BuildSettingsMenu();
  void BuildPopupMenus();
  void Edit1Popup();
  void RenameSelectedWithDialog();
  TWatcherSwitch WatcherSwitch();
  void pm_MainPopup();
  void pm_ComboPopup();
  QAction* Action(const char* name) const;
  // main_window.cpp
  void FormCreate();
  void FormShow();
  void FormClose();
  void UpdateExclusionEnabling();
  // main_window_tabs.cpp
  void TabControl1Change(int index);
  bool TabControl1Changing();
  void EnterTab(int index);
  void SetTabCaptions(int index);
  void CreateFrame(int index);
  void DestroyFrame();
  void AttachPopupMenus();
  void ShowDescription();
  void RefreshStatusCounts();
  // main_window_listing.cpp
  bool ListFolderCp932(const std::string& folder);
  TListFolderHooks ListingHooks(TFBatchProgress& progress, const TListFolderRequest& request);
  bool AskRescan(const TRescanQuestion& question);
  // Runs `work` on the progress window's worker; a close asked for meanwhile
  // cancels the work and takes effect once it ended.
  void RunOnWorker(TFBatchProgress& progress, const std::function<void()>& work);
  void ReportChangeAfterRun();
  void AfterListing(const TListFolderResult& result, const QString& panel1);
  void ForgetVanishedFolder(const std::string& folder);
  void ShowPathHistory();
  void UpdateColumnCaptions();
  void ShowSortIndicator();
  void ListView1SelectItem();
  void ApplySizeUnitNow(int unit);
  void ShowScanCancelled();
  // main_window_lists.cpp
  void ShowEditedList(int tab, int tag);
  // main_window_commands.cpp
  QComboBox* PopupTarget() const;
  void SwitchTargetMode(bool files_mode);
  void CopyEntryText(const std::string& cp932);
  // main_window_apply.cpp
  void RunRuleAction();
  // Also makes the clash verdict of each row on the worker, into `clashes`.
  TRuleResult RunRuleOnWorker(const TRuleJob& job, TRuleContext& ctx,
                              std::vector<TRowClash>& clashes);
  // Edit menu: the rows that rewrite every legacy Shift-JIS name in UTF-8.
  void FixEncodingClick();
  // The rule's message, or the confirmation window with its rows.
  void ShowRuleResult(TRuleResult& result, std::vector<TRowClash> clashes);
  // `clashes`: the verdicts of `rows` as given, made beforehand.
  void ConfirmAndApplyRows(TConfirmationList& rows, std::vector<TRowClash> clashes,
                           const QString& ok_caption, const QString& ok_hint);
  void UndoLastBatchNow();
  void History1Click();
  void OfferJournalUndo();
  TBatchOptions BatchOptions();
  TBatchOptions WorkerBatchOptions(TFBatchProgress& progress);
  void HoldListPainting(bool hold);
  TExclusion Exclusion() const;
  // main_window_settings.cpp
  void LoadSettings();
  void ApplyListLook();
  void SaveSettings();
  void CollectMainSettings();
  // main_window_options.cpp
  void ApplyOptions(const TOptionsSettings& options);
  // main_window_folder_tree.cpp
  void CreateFolderTree();
  void FolderTreeChange(const QString& folder);
  void FolderTreeClosed();
  void FolderTreeSubFolderClick(bool on);
  void LoadFolderTreeSubFolder();
  void WriteSubFolderNow(bool on);
  void SyncFolderTreeMode();
  void SetFolderTreeEnabled(bool enabled);
  void RestoreFolderTree();
  void TakeFolderTreeState();
  void KeepDockedWidth();
  const QObject* FolderTreeDockWidget() const;
  void DestroyFolderTree();

  TMainWindowOptions options_;
  std::unique_ptr<TMessenger> own_messenger_;
  TMessenger* messenger_ = nullptr;

  TEntryList entries_;
  TFailureReasons failure_reasons_;  // why the last batch's failed entries failed
  TListingState state_;
  TSettingsFiles settings_;
  TInfoSettings info_;
  TInfoTextSource info_source_;
  TEntryListModel* model_ = nullptr;
  TLivePreview* preview_ = nullptr;
  TDirWatchBridge* watcher_ = nullptr;
  QPointer<TFYesNoDialogEx> prompt_;
  QPointer<TFFolderTreeView> folder_tree_;
  TRescanPromptGate prompt_gate_;

  TTabFrame* frame_ = nullptr;
  int current_tab_ = 0;
  bool busy_ = false;
  int worker_runs_ = 0;                          // RunOnWorker calls under way
  TFBatchProgress* running_progress_ = nullptr;  // the innermost one's window
  bool close_pending_ = false;                   // a close waits for the worker
  int run_depth_ = 0;                            // nested BeginRuleRun calls
  bool path_chosen_from_list_ = false;           // the folder box's drop-down list was used
  bool shown_ = false;
  bool started_ = false;
  bool watcher_triggered_ = false;
  bool change_during_run_ = false;  // the watcher reported while work ran
  bool last_declined_ = false;  // the user declined the last listing
  bool scan_cancelled_ = false;  // the user cancelled the last listing's scan
  bool tree_has_focus_ = false;
  int popup_tag_ = 0;
  bool saved_action_enabled_ = true;
  bool saved_return_enabled_ = true;
  bool saved_panel4_enabled_ = true;
  bool run_cursor_ = false;

  QSplitter* splitter_ = nullptr;
  QWidget* DockPanel1 = nullptr;
  QLabel* panel0_ = nullptr;
  QLabel* panel1_ = nullptr;
  QActionGroup* target_group_ = nullptr;
  QActionGroup* unit_group_ = nullptr;
  QMenu* N32 = nullptr;
};

}  // namespace nalo
