// The template dialogs as the main window opens them: from the settings menu's
// items of the five information kinds and from the add tab's template buttons
// (pm_Label remembers the button's tag 5-9). Their candidate lists are edited in
// the list editor; after OK the add rule reads the stored record.
#include "app/flistbox_modif.h"
#include "app/live_preview.h"
#include "app/main_window.h"
#include "fileinfo/gui/template_dialogs.h"
#include "fileinfo/info_source.h"

namespace nalo {

void TFMainFrm::OpenTemplateDialog(TInfoKind kind) {
  TTemplateDialogEnv env;
  env.Messenger = messenger_;
  env.SettingsFolder = options_.SettingsFolder;
  env.EditList = [this](QWidget* parent, const QString& title,
                        const std::vector<std::string>& items) {
    return EditCandidateItems(parent, *messenger_, title.toStdString(), items);
  };
  nalo::OpenTemplateDialog(kind, env, info_, !FilesMode(), this);
  info_source_ = MakeInfoTextSource(info_, options_.SettingsFolder);
  preview_->Schedule();  // the add rule's information texts may have changed
}

}  // namespace nalo
