// Texts cross between the dialog (QString) and the core (CP932) here; a text
// without a CP932 form never reaches the core.
#include "execution/gui/frename_command.h"

#include "execution/gui/frename.h"
#include "ui/messenger.h"
#include "ui/qt_text.h"

namespace nalo {

TSingleRenameResult RenameWithDialog(QWidget* parent, TEntryList& entries, std::size_t index,
                                     const TWatcherSwitch& watcher, TMessenger& messenger) {
  const TAskName ask = [&](const std::string& text) -> std::optional<std::string> {
    const std::optional<QString> name =
        AskNameWithTFReName(parent, messenger, QString(), FromCp932(text));
    if (!name) return std::nullopt;
    // The dialog accepts only texts with a CP932 form.
    return ToCp932(*name).value_or(std::string());
  };
  const TShowMessage show = [&](std::string_view message) {
    messenger.Warn(parent, FromUtf8(message));
  };
  return RenameThroughDialog(entries, index, ask, show, watcher);
}

TSingleRenameResult CommitInPlaceRename(QWidget* parent, TEntryList& entries, std::size_t index,
                                        const QString& text, const TWatcherSwitch& watcher,
                                        TMessenger& messenger) {
  TSingleRenameResult result;
  const std::optional<std::string> name = ToCp932(text);
  if (!name) {
    result.Status = TSingleRenameStatus::kRefused;
    messenger.Warn(parent, UnencodableTextMessage(FirstUnencodableChar(text)));
    return result;
  }
  result = RenameInPlace(entries, index, *name, watcher);
  if (!result.Message.empty()) messenger.Warn(parent, FromUtf8(result.Message));
  return result;
}

}  // namespace nalo
