// The red caption that marks the chosen sub-rule on the rule tabs. The colour is
// set through the widget's palette, so the mark survives style changes and a test
// can read it back.
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QList>

class QWidget;

namespace nalo {

inline const QColor kChosenCaptionColour = Qt::red;

// Draws the caption of `widget` in `colour`.
void SetCaptionColour(QWidget* widget, const QColor& colour);
// Draws `chosen` in red and every other button of `buttons` in the normal colour.
void MarkChosenCaption(const QList<QAbstractButton*>& buttons, const QAbstractButton* chosen);
// Any range of button pointers as the list MarkChosenCaption takes.
template <typename Range>
QList<QAbstractButton*> ButtonList(const Range& buttons) {
  QList<QAbstractButton*> list;
  for (QAbstractButton* button : buttons) list.push_back(button);
  return list;
}

}  // namespace nalo
