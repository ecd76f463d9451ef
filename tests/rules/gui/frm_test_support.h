// Shared helpers of the rule-frame and dialog tests: one QApplication on the
// offscreen platform, a messenger that records every message and answers modal
// dialogs through a handler (so no test blocks), entries built like a scan's, and
// focus and key helpers that drive a frame the way the user does.
#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPalette>
#include <QWidget>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "execution/batch_fixture.h"
#include "listing/list_data.h"
#include "rules/gui/caption_colour.h"
#include "rules/rule_run.h"
#include "ui/messenger.h"

namespace nalo::gui2test {

inline void EnsureQtApp() {
  if (QApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "test_gui";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);  // lives until the process ends
}

struct TMessage {
  QString kind;  // "info", "warn", "error", "yesno"
  QString text;
};

class TRecordingMessenger : public TMessenger {
 public:
  using TModalHandler = std::function<int(QDialog&)>;

  // Handlers answer the next modal dialogs in order; with none left a dialog is
  // rejected.
  void OnModal(TModalHandler handler) { handlers_.push_back(std::move(handler)); }

  void Info(QWidget*, const QString& text) override { messages.push_back({"info", text}); }
  void Warn(QWidget*, const QString& text) override { messages.push_back({"warn", text}); }
  void Error(QWidget*, const QString& text) override { messages.push_back({"error", text}); }
  bool YesNo(QWidget*, const QString& text) override {
    messages.push_back({"yesno", text});
    return true;
  }
  std::optional<QString> PickFolder(QWidget*, const QString&, const QString&) override {
    return std::nullopt;
  }
  std::optional<QString> AskSaveFile(QWidget*, const QString&, const QString&, const QString&,
                                     const QString&) override {
    return std::nullopt;
  }
  int ExecModal(QDialog& dialog) override {
    ++modal_count;
    if (handlers_.empty()) return QDialog::Rejected;
    TModalHandler handler = std::move(handlers_.front());
    handlers_.pop_front();
    return handler(dialog);
  }
  bool OpenFolder(const QString&) override { return true; }
  void Beep() override {}

  std::vector<TMessage> messages;
  int modal_count = 0;

 private:
  std::deque<TModalHandler> handlers_;
};

// Counts the emissions of a signal without arguments while it lives.
struct TSignalCount {
  int count = 0;
  template <typename Sender, typename Signal>
  TSignalCount(Sender* sender, Signal signal)
      : connection_(QObject::connect(sender, signal, sender, [this] { ++count; })) {}
  ~TSignalCount() { QObject::disconnect(connection_); }
  TSignalCount(const TSignalCount&) = delete;
  TSignalCount& operator=(const TSignalCount&) = delete;

 private:
  QMetaObject::Connection connection_;
};

// An entry as a scan of `folder` (ending in "/") would list it.
inline TListData Entry(const std::string& folder, const std::string& name) {
  return testing::EntryFor(folder, name);
}

inline TEntryList Entries(const std::vector<std::string>& names,
                          const std::string& folder = "/data/") {
  TEntryList list;
  for (const std::string& name : names) list.Add(Entry(folder, name));
  return list;
}

// The new names of a run's rows, in order.
inline std::vector<std::string> NewNames(const TRuleResult& result) {
  std::vector<std::string> names;
  for (const TConfirmationRow& row : result.Rows) names.push_back(row.NewName);
  return names;
}

// Delivers a focus-in to `widget`, as when the user enters it.
inline void Enter(QWidget* widget) {
  QFocusEvent event(QEvent::FocusIn, Qt::TabFocusReason);
  QCoreApplication::sendEvent(widget, &event);
}

// Presses Tab (or Shift+Tab) on the widget that has the focus inside `window`.
inline void PressTab(QWidget* window, bool forward = true) {
  QWidget* target = window->focusWidget() ? window->focusWidget() : window;
  QKeyEvent press(QEvent::KeyPress, forward ? Qt::Key_Tab : Qt::Key_Backtab,
                  forward ? Qt::NoModifier : Qt::ShiftModifier);
  QCoreApplication::sendEvent(target, &press);
}

// The objectName of the control that has the focus in `window`, or of the combo
// that owns the focused line edit.
inline QString FocusName(QWidget* window) {
  QWidget* focus = window->focusWidget();
  if (!focus) return {};
  if (focus->objectName().isEmpty() && focus->parentWidget()) return focus->parentWidget()->objectName();
  return focus->objectName();
}

// True when the caption of `widget` is drawn in the colour of the chosen item.
inline bool HasChosenCaption(const QWidget* widget) {
  return widget->palette().color(QPalette::Active, QPalette::WindowText) == kChosenCaptionColour;
}

}  // namespace nalo::gui2test
