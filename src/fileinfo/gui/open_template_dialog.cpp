// Opening a template dialog: the record and its candidate list are read from
// Nalo.ini first, so the dialog shows what is stored.
#include "fileinfo/gui/template_dialogs.h"
#include "settings/ini_file.h"
#include "settings/settings_folder.h"
#include "ui/messenger.h"

namespace nalo {

void OpenTemplateDialog(TInfoKind kind, const TTemplateDialogEnv& env, TInfoSettings& info,
                        bool folder_mode, QWidget* parent) {
  const TIniFile ini(MainSettingsPath(env.SettingsFolder));
  StringList candidates;
  switch (kind) {
    case TInfoKind::Avi: {
      LoadInfoSettings(ini, info.Avi, &candidates);
      TFavi dialog(env, info.Avi, candidates, parent);
      env.Messenger->ExecModal(dialog);
      return;
    }
    case TInfoKind::DateSize: {
      LoadInfoSettings(ini, info.DateSize, &candidates);
      TFDateSize dialog(env, info.DateSize, candidates, folder_mode, parent);
      env.Messenger->ExecModal(dialog);
      return;
    }
    case TInfoKind::Image: {
      LoadInfoSettings(ini, info.Image, &candidates);
      TFJpegGif dialog(env, info.Image, candidates, parent);
      env.Messenger->ExecModal(dialog);
      return;
    }
    case TInfoKind::Mp3: {
      LoadInfoSettings(ini, info.Mp3, &candidates);
      TFmp3 dialog(env, info.Mp3, candidates, parent);
      env.Messenger->ExecModal(dialog);
      return;
    }
    case TInfoKind::Folder: {
      LoadInfoSettings(ini, info.Folder, &candidates);
      TFFolderName dialog(env, info.Folder, candidates, parent);
      env.Messenger->ExecModal(dialog);
      return;
    }
  }
}

}  // namespace nalo
