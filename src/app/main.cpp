// Start-up of the desktop program: the application title, the settings folder,
// then either the main window or, with --screenshots, the rendering of the windows.
#include <QApplication>
#include <QMessageBox>
#include <cstdio>

#include "app/app_args.h"
#include "app/main_window.h"
#include "app/screenshots.h"
#include "settings/settings_folder.h"
#include "ui/qt_translations.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(nalo::kAppTitle));
  if (!nalo::InstallQtJapanese(app)) {
    std::fprintf(stderr, "nalo: Qt's Japanese translations (qt6-translations-l10n) are not installed; "
                         "Qt's own buttons and dialogs stay English\n");
  }
  QStringList arguments = QApplication::arguments();
  arguments.removeFirst();
  const nalo::TAppArgs args = nalo::ParseAppArgs(arguments);
  if (!args.Error.isEmpty()) {
    std::fprintf(stderr, "%s\n", args.Error.toLocal8Bit().constData());
    return 2;
  }
  if (args.ScreenshotDir) return nalo::RenderScreenshots(*args.ScreenshotDir);

  std::optional<std::string> override_dir;
  if (args.SettingsDir) override_dir = args.SettingsDir->toStdString();
  nalo::TMainWindowOptions options;
  options.SettingsFolder = nalo::ResolveSettingsFolder(override_dir);
  options.FolderArgument = args.Folder;
  nalo::TFMainFrm window(options);
  window.show();
  return QApplication::exec();
}
