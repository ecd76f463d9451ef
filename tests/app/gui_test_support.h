// Shared pieces of the GUI tests: one QApplication for the test program, a
// messenger that records every message and answers questions from a script, and
// temporary folders with files.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/messenger.h"

namespace nalo::test {

inline QApplication& App() {
  static int argc = 1;
  static char name[] = "test_gui";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    auto* a = new QApplication(argc, argv);
    QApplication::setApplicationName("Nalo");
    return a;
  }();
  return *app;
}

struct TMessage {
  std::string Kind;  // "info", "warn", "error", "yesno"
  QString Text;
};

class TFakeMessenger : public TMessenger {
 public:
  std::vector<TMessage> Messages;
  std::deque<bool> YesNoAnswers;  // empty: Yes
  std::function<void()> OnYesNo;  // runs while a question is asked
  std::optional<QString> Folder;  // PickFolder's answer
  std::optional<QString> SavePath;
  // Runs a modal dialog; by default it is rejected.
  std::function<int(QDialog&)> OnExec;
  int Beeps = 0;
  std::vector<QString> Opened;
  bool FileManagerPresent = true;

  void Info(QWidget*, const QString& t) override { Messages.push_back({"info", t}); }
  void Warn(QWidget*, const QString& t) override { Messages.push_back({"warn", t}); }
  void Error(QWidget*, const QString& t) override { Messages.push_back({"error", t}); }
  bool YesNo(QWidget*, const QString& t) override {
    Messages.push_back({"yesno", t});
    if (OnYesNo) OnYesNo();
    if (YesNoAnswers.empty()) return true;
    const bool answer = YesNoAnswers.front();
    YesNoAnswers.pop_front();
    return answer;
  }
  std::optional<QString> PickFolder(QWidget*, const QString&, const QString&) override {
    return Folder;
  }
  std::optional<QString> AskSaveFile(QWidget*, const QString&, const QString&, const QString&,
                                     const QString&) override {
    return SavePath;
  }
  int ExecModal(QDialog& dialog) override {
    return OnExec ? OnExec(dialog) : static_cast<int>(QDialog::Rejected);
  }
  bool OpenFolder(const QString& path) override {
    Opened.push_back(path);
    return FileManagerPresent;
  }
  void Beep() override { ++Beeps; }

  std::vector<QString> TextsOf(const std::string& kind) const {
    std::vector<QString> texts;
    for (const TMessage& m : Messages) {
      if (m.Kind == kind) texts.push_back(m.Text);
    }
    return texts;
  }
};

// Creates the files (with a few bytes each) and folders (names ending in "/").
inline void MakeItems(const QString& root, const std::vector<QString>& names) {
  for (const QString& name : names) {
    if (name.endsWith(QChar('/'))) {
      QDir(root).mkpath(name);
      continue;
    }
    QFile file(QDir(root).filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write("data");
  }
}

inline bool Exists(const QString& root, const QString& name) {
  return QFileInfo::exists(QDir(root).filePath(name));
}

}  // namespace nalo::test
