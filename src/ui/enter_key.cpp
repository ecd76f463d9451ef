#include "ui/enter_key.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace nalo {
namespace {

class TEnterKeyFilter : public QObject {
 public:
  TEnterKeyFilter(QObject* parent, std::function<void()> on_enter)
      : QObject(parent), on_enter_(std::move(on_enter)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    on_enter_();
    return true;
  }

 private:
  std::function<void()> on_enter_;
};

}  // namespace

// The edit box hands its focus on to the combo box, so a key typed by the user
// arrives at the combo box, which passes it to the edit box directly, past any
// filter there; the filter therefore sits on the combo box, and on the edit box
// for a key sent to it.
void OnEnterKey(QComboBox* combo, std::function<void()> on_enter) {
  QLineEdit* edit = combo->lineEdit();
  if (edit == nullptr) return;
  auto* filter = new TEnterKeyFilter(combo, std::move(on_enter));
  combo->installEventFilter(filter);
  edit->installEventFilter(filter);
}

}  // namespace nalo
