// The busy cursor brackets the whole command; the report is shown after it is
// restored, so the message box does not sit under an hourglass.
#include "execution/gui/fdelete_command.h"

#include <QApplication>
#include <QCursor>

#include "execution/gui/fdelete.h"
#include "ui/messenger.h"
#include "ui/qt_text.h"

namespace nalo {

TDeleteResult DeleteSelectionWithDialog(QWidget* parent, TEntryList& entries,
                                        const std::vector<std::size_t>& selected,
                                        const TWatcherSwitch& watcher, TMessenger& messenger) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const TAskDeleteMode ask = [parent, &messenger]() -> std::optional<bool> {
    QApplication::restoreOverrideCursor();  // the dialog is answered with the normal cursor
    std::optional<bool> answer = TFDelete::Ask(parent, messenger);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    return answer;
  };
  TDeleteResult result = DeleteSelectedEntries(entries, selected, ask, watcher);
  QApplication::restoreOverrideCursor();
  if (!result.Message.empty()) messenger.Info(parent, FromUtf8(result.Message));
  return result;
}

}  // namespace nalo
