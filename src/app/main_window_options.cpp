// The main window's side of the options dialog. Opening it re-reads the options
// from Nalo.ini and takes the sub-folder and trim options from there, so the
// window agrees with the file even when the dialog is cancelled; OK writes the
// options at once and applies them: the sub-folder option from the next scan, the
// trim option from the next rule run, and the list look immediately.
#include "app/ffolder_tree_view.h"
#include "app/foption.h"
#include "app/live_preview.h"
#include "app/main_window.h"
#include "settings/ini_file.h"
#include "settings/options_dialog_values.h"
#include "settings/settings_folder.h"
#include "ui/messenger.h"
#include "ui/qt_text.h"

namespace nalo {

void TFMainFrm::N3Click() {
  const std::string path = MainSettingsPath(options_.SettingsFolder);
  const TOptionsSettings loaded = ReadOptionsForDialog(TIniFile(path));
  settings_.Main.SubFolder = loaded.SubFolder;
  settings_.Main.StrTrim = loaded.StrTrim;
  TFOption dialog(this);
  dialog.LoadOptions(loaded);
  if (messenger_->ExecModal(dialog) != QDialog::Accepted) return;
  const TOptionsSettings chosen = dialog.Options();
  try {
    SaveOptionsNow(path, chosen);
  } catch (const EIniWriteError& e) {
    messenger_->Error(this, FromUtf8(e.what()));
  }
  ApplyOptions(chosen);
}

void TFMainFrm::ApplyOptions(const TOptionsSettings& options) {
  TMainSettings& m = settings_.Main;
  m.Chk_FormMax = options.Chk_FormMax;
  m.SubFolder = options.SubFolder;
  m.StrTrim = options.StrTrim;
  if (FolderTreeView() != nullptr) FolderTreeView()->SetSubFolder(options.SubFolder);
  m.ListView = options.ListView;
  ApplyListLook();
  preview_->Schedule();  // the trim option shapes the new names
}

}  // namespace nalo
