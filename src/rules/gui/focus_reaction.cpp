// One small event filter per watched widget; the order walk looks up where the
// focus is and steps to the next control that can take it.
#include "rules/gui/focus_reaction.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QWidget>

namespace nalo {
namespace {

class TEnterFilter : public QObject {
 public:
  TEnterFilter(QObject* owner, std::function<void()> reaction)
      : QObject(owner), reaction_(std::move(reaction)) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::FocusIn) reaction_();
    return false;
  }

 private:
  std::function<void()> reaction_;
};

}  // namespace

void OnEnter(QWidget* widget, std::function<void()> reaction) {
  auto* filter = new TEnterFilter(widget, std::move(reaction));
  widget->installEventFilter(filter);
  if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->lineEdit()) {
    combo->lineEdit()->installEventFilter(filter);
  }
}

TOrderMove MoveFocusInOrder(QWidget* frame, const QList<QWidget*>& order, bool next) {
  QWidget* focus = frame->focusWidget();
  qsizetype at = -1;
  for (qsizetype i = 0; i < order.size() && focus; ++i) {
    if (order[i] == focus || order[i]->isAncestorOf(focus)) at = i;
  }
  if (at < 0) return TOrderMove::kNotInOrder;
  const qsizetype step = next ? 1 : -1;
  for (qsizetype i = at + step; i >= 0 && i < order.size(); i += step) {
    QWidget* target = order[i];
    if (!target->isEnabled() || !target->isVisibleTo(frame)) continue;
    target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return TOrderMove::kMoved;
  }
  return TOrderMove::kPastEnd;
}

}  // namespace nalo
