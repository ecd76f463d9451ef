// Focus handling of the rule tabs. "Entering" a control means it receives the
// focus: OnEnter runs a reaction each time, for the control and, for an editable
// combo, its line edit. MoveFocusInOrder walks a frame's own Tab-key order.
#pragma once

#include <QList>
#include <QObject>
#include <functional>

class QWidget;

namespace nalo {

// Runs `reaction` whenever `widget` gains the focus. The filter is owned by the
// widget and goes with it.
void OnEnter(QWidget* widget, std::function<void()> reaction);

enum class TOrderMove {
  kMoved,       // the focus went to the next enabled, visible control of the order
  kPastEnd,     // the focus was on the order, but no control follows in that direction
  kNotInOrder,  // the focus is not on a control of the order
};

// Moves the focus of `frame` one step along `order` (Tab when `next`, Shift+Tab
// otherwise), skipping disabled and hidden controls.
TOrderMove MoveFocusInOrder(QWidget* frame, const QList<QWidget*>& order, bool next);

}  // namespace nalo
