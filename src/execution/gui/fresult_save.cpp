// Saving a name list from the confirmation window: the choice of list, the file
// dialog in the folder of the last saved list, the file itself (CP932 lines with
// CRLF, no header) and, after a successful write, the new ListSave location.
#include <QApplication>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "execution/gui/fcsv_save.h"
#include "execution/gui/fresult.h"
#include "settings/ini_file.h"
#include "settings/settings_folder.h"
#include "ui/messenger.h"
#include "ui/qt_text.h"

namespace nalo {
namespace {

std::string ListSaveDefaultFolder(const std::string& settings_folder) {
  std::string folder = ToCp932(QString::fromStdString(settings_folder)).value_or(std::string());
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

// Remembers the folder and name of the saved file; a path without a CP932 form
// is not remembered.
void StoreListSave(const std::string& settings_folder, const QString& saved_path) {
  const QFileInfo info(saved_path);
  const std::optional<std::string> folder = ToCp932(info.absolutePath() + QChar('/'));
  const std::optional<std::string> name = ToCp932(info.fileName());
  if (!folder || !name || settings_folder.empty()) return;
  TIniFile ini(MainSettingsPath(settings_folder));
  WriteListSave(ini, TListSaveSettings{*folder, *name});
  ini.Save();
}

}  // namespace

int WriteNameList(const std::string& utf8_path, const TEntryList& entries,
                  const TConfirmationList& rows, const std::vector<std::size_t>& targets,
                  int choice) {
  std::FILE* file = std::fopen(utf8_path.c_str(), "wb");
  if (file == nullptr) return errno;
  int error = 0;
  for (std::size_t row : targets) {
    if (row >= rows.size()) continue;
    const std::string_view name =
        choice == 0 ? RowOldName(entries, rows[row]) : std::string_view(rows[row].NewName);
    if (name.empty()) continue;
    if (std::fwrite(name.data(), 1, name.size(), file) != name.size() ||
        std::fwrite("\r\n", 1, 2, file) != 2) {
      error = errno != 0 ? errno : EIO;
      break;
    }
  }
  if (std::fclose(file) != 0 && error == 0) error = errno != 0 ? errno : EIO;
  return error;
}

void TFresult::SaveAs1Click() {
  if (env_.Messenger == nullptr) return;
  TMessenger& messenger = *env_.Messenger;
  const std::vector<std::size_t> targets = TargetRows();
  if (targets.empty()) {
    messenger.Info(this, QString::fromUtf8(kMsgNothingToSave));
    return;
  }
  TFCsvSave choice_dialog(this);
  choice_dialog.setWindowTitle(QStringLiteral("リストを保存する - %1アイテム").arg(targets.size()));
  if (messenger.ExecModal(choice_dialog) != QDialog::Accepted) return;

  const TIniFile ini(MainSettingsPath(env_.SettingsFolder));
  const TListSaveSettings last = ReadListSave(ini, ListSaveDefaultFolder(env_.SettingsFolder));
  const std::optional<QString> path = messenger.AskSaveFile(
      this, QStringLiteral("リストを保存します"), FromCp932(last.Path + last.Name),
      QStringLiteral("TXTファイル (*.txt);;全てのファイル (*)"), QStringLiteral("csv"));
  if (!path) return;

  QApplication::setOverrideCursor(Qt::WaitCursor);
  const int error =
      WriteNameList(path->toStdString(), *env_.Scanned, rows_, targets, choice_dialog.Choice());
  QApplication::restoreOverrideCursor();
  if (error != 0) {
    messenger.Error(this, QStringLiteral("リストを保存できませんでした。\r%1\r%2")
                              .arg(*path, QString::fromLocal8Bit(std::strerror(error))));
    return;
  }
  try {
    StoreListSave(env_.SettingsFolder, *path);
  } catch (const std::exception& e) {
    messenger.Error(this, FromUtf8(e.what()));
  }
}

}  // namespace nalo
