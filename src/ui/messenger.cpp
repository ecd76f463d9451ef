// Qt message boxes carry the application title; the folder picker is Qt's own
// directory chooser, and "Explore" hands the folder to the desktop's file manager.
#include "ui/messenger.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace nalo {

QString DisplayLines(const QString& text) {
  QString shown = text;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace(QChar('\r'), QChar('\n'));
  return shown;
}

void TQtMessenger::Info(QWidget* parent, const QString& text) {
  QMessageBox::information(parent, QApplication::applicationName(), DisplayLines(text));
}

void TQtMessenger::Warn(QWidget* parent, const QString& text) {
  QMessageBox::warning(parent, QApplication::applicationName(), DisplayLines(text));
}

void TQtMessenger::Error(QWidget* parent, const QString& text) {
  QMessageBox::critical(parent, QApplication::applicationName(), DisplayLines(text));
}

bool TQtMessenger::YesNo(QWidget* parent, const QString& text) {
  return QMessageBox::question(parent, QApplication::applicationName(), DisplayLines(text),
                               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::optional<QString> TQtMessenger::PickFolder(QWidget* parent, const QString& instruction,
                                                const QString& start) {
  const QString folder = QFileDialog::getExistingDirectory(parent, instruction, start);
  if (folder.isEmpty()) return std::nullopt;
  return folder;
}

std::optional<QString> TQtMessenger::AskSaveFile(QWidget* parent, const QString& title,
                                                 const QString& start_path, const QString& filter,
                                                 const QString& default_suffix) {
  QFileDialog dialog(parent, title, start_path, filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(default_suffix);
  dialog.selectFile(start_path);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first();
}

int TQtMessenger::ExecModal(QDialog& dialog) { return dialog.exec(); }

bool TQtMessenger::OpenFolder(const QString& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void TQtMessenger::Beep() { QApplication::beep(); }

}  // namespace nalo
