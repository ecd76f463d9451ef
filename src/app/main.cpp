// Start-up of the desktop program: --version, the application title and icon, the
// settings folder, then the main window.
#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

#include "app/app_args.h"
#include "app/app_icon.h"
#include "app/main_window.h"
#include "app/quit_signals.h"
#include "settings/settings_folder.h"
#include "ui/qt_translations.h"

int main(int argc, char* argv[]) {
  if (const std::optional<std::string> answer = nalo::EarlyAnswer(argc, argv, NALO_VERSION)) {
    std::fputs(answer->c_str(), stdout);
    return 0;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(nalo::kAppTitle));
  QApplication::setWindowIcon(nalo::AppIcon());
  QGuiApplication::setDesktopFileName(QString::fromUtf8(nalo::kDesktopFileName));
  if (!nalo::InstallQtJapanese(app)) {
    std::fprintf(stderr,
                 "nalo: Qt's Japanese translations (qt6-translations-l10n) are not installed; "
                 "Qt's own buttons and dialogs stay English\n");
  }
  QStringList arguments = QApplication::arguments();
  arguments.removeFirst();
  const nalo::TAppArgs args = nalo::ParseAppArgs(arguments);
  if (!args.Error.isEmpty()) {
    std::fprintf(stderr, "%s\n", args.Error.toLocal8Bit().constData());
    return 2;
  }

  std::optional<std::string> override_dir;
  if (args.SettingsDir) override_dir = args.SettingsDir->toStdString();
  nalo::TMainWindowOptions options;
  options.SettingsFolder = nalo::ResolveSettingsFolder(override_dir);
  options.FolderArgument = args.Folder;
  nalo::TFMainFrm window(options);
  const nalo::TQuitSignals quit_signals;
  QObject::connect(&quit_signals, &nalo::TQuitSignals::Received, &window,
                   [&window] { window.CloseFromSignal(); });
  window.show();
  const int code = QApplication::exec();
  // The window wrote its settings when it closed, and a batch's journal is on disk
  // before its run ends. Freeing a million entries one by one would only hold the
  // process up for a second after the window is gone: the system takes the memory.
  std::fflush(nullptr);
  std::_Exit(code);
}
