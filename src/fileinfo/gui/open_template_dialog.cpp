// Opening a template dialog: the record and its candidate list are read from
// Nalo.ini first, so the dialog shows what is stored.
#include "fileinfo/gui/template_dialogs.h"
#include "settings/ini_file.h"
#include "settings/settings_folder.h"
#include "ui/messenger.h"

namespace nalo {
namespace {

// Reads `record` and its candidates, then shows `Dialog` on them.
template <typename Dialog, typename Record, typename... Extra>
void Show(const TTemplateDialogEnv& env, const TIniFile& ini, Record& record, QWidget* parent,
          Extra... extra) {
  StringList candidates;
  LoadInfoSettings(ini, record, &candidates);
  Dialog dialog(env, record, candidates, extra..., parent);
  env.Messenger->ExecModal(dialog);
}

}  // namespace

void OpenTemplateDialog(TInfoKind kind, const TTemplateDialogEnv& env, TInfoSettings& info,
                        bool folder_mode, QWidget* parent) {
  const TIniFile ini(MainSettingsPath(env.SettingsFolder));
  switch (kind) {
    case TInfoKind::Avi: return Show<TFavi>(env, ini, info.Avi, parent);
    case TInfoKind::DateSize: return Show<TFDateSize>(env, ini, info.DateSize, parent, folder_mode);
    case TInfoKind::Image: return Show<TFJpegGif>(env, ini, info.Image, parent);
    case TInfoKind::Mp3: return Show<TFmp3>(env, ini, info.Mp3, parent);
    case TInfoKind::Folder: return Show<TFFolderName>(env, ini, info.Folder, parent);
  }
}

}  // namespace nalo
