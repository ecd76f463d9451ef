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

void OnEnterKey(QComboBox* combo, std::function<void()> on_enter) {
  QLineEdit* edit = combo->lineEdit();
  if (edit == nullptr) return;
  edit->installEventFilter(new TEnterKeyFilter(edit, std::move(on_enter)));
}

}  // namespace nalo
