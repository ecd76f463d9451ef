// No single-name dialog is built into the program yet: the hook reports it as
// unavailable, and the commands that need it stay disabled.
#include "execution/gui/name_dialog_hook.h"

namespace nalo {

bool NameDialogAvailable() { return false; }

std::optional<QString> AskNameWithDialog(QWidget*, TMessenger&, const QString&, const QString&) {
  return std::nullopt;
}

}  // namespace nalo
