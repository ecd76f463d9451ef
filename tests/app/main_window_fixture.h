// Opening the real main window in a test: its own settings folder, a scripted
// messenger, and optionally a folder to list at start.
#pragma once

#include <QString>
#include <memory>
#include <optional>

#include "app/gui_test_support.h"
#include "app/main_window.h"

namespace nalo::test {

inline std::unique_ptr<TFMainFrm> OpenMainWindow(const QString& settings_folder,
                                                 TMessenger& messenger,
                                                 std::optional<QString> folder = std::nullopt) {
  App();
  TMainWindowOptions options;
  options.SettingsFolder = settings_folder.toStdString();
  options.FolderArgument = std::move(folder);
  options.Messenger = &messenger;
  auto window = std::make_unique<TFMainFrm>(options);
  window->show();
  return window;
}

}  // namespace nalo::test
