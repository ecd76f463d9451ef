// Opening the real main window in a test: its own settings folder, a scripted
// messenger, and optionally a folder to list at start; and the fixture of tests
// that open it.
#pragma once

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QString>
#include <QTableView>
#include <QTemporaryDir>
#include <memory>
#include <optional>

#include "app/gui_test_support.h"
#include "app/main_window.h"
#include "execution/gui/fresult.h"
#include "rules/gui/frm_okikae.h"
#include "settings/settings_folder.h"
#include "ui/selection.h"

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
  window->FinishStart();
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

  TFrm_Okikae* Replace(TFMainFrm& w) {
    w.TabControl1->setCurrentIndex(kTabReplace);
    return qobject_cast<TFrm_Okikae*>(w.CurrentFrame());
  }

  // Sets the string rule "from" -> "to" on the replace tab.
  void SetStringRule(TFMainFrm& w, const QString& from, const QString& to) {
    TFrm_Okikae* frame = Replace(w);
    ASSERT_NE(frame, nullptr);
    frame->cmb_String_Old->setEditText(from);
    frame->cmb_String_New->setEditText(to);
    ASSERT_TRUE(frame->rbtn_String->isChecked());
  }

  // Approves the confirmation window with the given rows selected.
  void ApproveRows(std::vector<std::size_t> rows) {
    messenger_.OnExec = [rows](QDialog& d) {
      auto* result = qobject_cast<TFresult*>(&d);
      if (result == nullptr) return static_cast<int>(QDialog::Rejected);
      SelectRows(result->ListView1, rows);
      return static_cast<int>(QDialog::Accepted);
    };
  }
  std::string IniPath() const { return MainSettingsPath(settings_.path().toStdString()); }

  QTemporaryDir settings_;
  QTemporaryDir data_;
  TFakeMessenger messenger_;
};

}  // namespace nalo::test
