// Captions of buttons and labels are drawn with the WindowText and ButtonText
// roles depending on the style; both are set so every style shows the mark.
#include "rules/gui/caption_colour.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace nalo {

void SetCaptionColour(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  // The disabled group keeps the style's grey, so a disabled choice still looks it.
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    palette.setColor(group, QPalette::WindowText, colour);
    palette.setColor(group, QPalette::ButtonText, colour);
  }
  widget->setPalette(palette);
}

void MarkChosenCaption(const QList<QAbstractButton*>& buttons, const QAbstractButton* chosen) {
  const QColor normal = QApplication::palette().color(QPalette::Active, QPalette::WindowText);
  for (QAbstractButton* button : buttons) {
    SetCaptionColour(button, button == chosen ? kChosenCaptionColour : normal);
  }
}

}  // namespace nalo
