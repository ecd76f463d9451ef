// TMessenger: the one door through which windows talk to the user modally —
// message boxes, Yes/No questions, the folder picker, running a modal dialog,
// opening a folder in the file manager and the beep. TQtMessenger does it with Qt;
// tests install a recording fake, so no test ever blocks on a modal window.
#pragma once

#include <QString>
#include <optional>

class QDialog;
class QWidget;

namespace nalo {

class TMessenger {
 public:
  virtual ~TMessenger() = default;
  // Texts use "\r" as the line break, as the core's messages do.
  virtual void Info(QWidget* parent, const QString& text) = 0;
  virtual void Warn(QWidget* parent, const QString& text) = 0;
  virtual void Error(QWidget* parent, const QString& text) = 0;
  // True for Yes.
  virtual bool YesNo(QWidget* parent, const QString& text) = 0;
  // The chosen folder, or nothing when cancelled. `start` may be empty.
  virtual std::optional<QString> PickFolder(QWidget* parent, const QString& instruction,
                                            const QString& start) = 0;
  // The save-file dialog: the chosen path, or nothing when cancelled. It asks
  // before an existing file is replaced.
  virtual std::optional<QString> AskSaveFile(QWidget* parent, const QString& title,
                                             const QString& start_path, const QString& filter,
                                             const QString& default_suffix) = 0;
  // Runs `dialog` modally and returns its result (QDialog::Accepted or Rejected).
  virtual int ExecModal(QDialog& dialog) = 0;
  // Shows the folder in the desktop's file manager; false when none could be started.
  virtual bool OpenFolder(const QString& path) = 0;
  virtual void Beep() = 0;
};

class TQtMessenger : public TMessenger {
 public:
  void Info(QWidget* parent, const QString& text) override;
  void Warn(QWidget* parent, const QString& text) override;
  void Error(QWidget* parent, const QString& text) override;
  bool YesNo(QWidget* parent, const QString& text) override;
  std::optional<QString> PickFolder(QWidget* parent, const QString& instruction,
                                    const QString& start) override;
  std::optional<QString> AskSaveFile(QWidget* parent, const QString& title,
                                     const QString& start_path, const QString& filter,
                                     const QString& default_suffix) override;
  int ExecModal(QDialog& dialog) override;
  bool OpenFolder(const QString& path) override;
  void Beep() override;
};

// "\r" line breaks as Qt shows them.
QString DisplayLines(const QString& text);

}  // namespace nalo
