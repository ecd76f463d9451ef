// Opening the real main window in a test: its own settings folder, a scripted
// messenger, and optionally a folder to list at start; and the fixture of tests
// that open it.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <optional>

#include "app/gui_test_support.h"
#include "app/main_window.h"
#include "settings/settings_folder.h"

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

// A test with its own settings and data folders and a scripted messenger.
class TMainWindowFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    App();
    ASSERT_TRUE(settings_.isValid());
    ASSERT_TRUE(data_.isValid());
  }
  std::unique_ptr<TFMainFrm> Open(std::optional<QString> folder) {
    return OpenMainWindow(settings_.path(), messenger_, std::move(folder));
  }
  QString Data() const { return data_.path(); }
  std::string IniPath() const { return MainSettingsPath(settings_.path().toStdString()); }

  QTemporaryDir settings_;
  QTemporaryDir data_;
  TFakeMessenger messenger_;
};

}  // namespace nalo::test
