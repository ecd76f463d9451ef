// The single-name dialog is TFReName: the hook reports it available and opens it
// with the caller's caption.
#include "execution/gui/name_dialog_hook.h"

#include "execution/gui/frename.h"

namespace nalo {

bool NameDialogAvailable() { return true; }

std::optional<QString> AskNameWithDialog(QWidget* parent, TMessenger& messenger,
                                         const QString& caption, const QString& text) {
  return AskNameWithTFReName(parent, messenger, caption, text);
}

}  // namespace nalo
