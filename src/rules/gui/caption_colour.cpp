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
  palette.setColor(QPalette::WindowText, colour);
  palette.setColor(QPalette::ButtonText, colour);
  widget->setPalette(palette);
}

void MarkChosenCaption(const QList<QAbstractButton*>& buttons, const QAbstractButton* chosen) {
  const QColor normal = QApplication::palette().color(QPalette::WindowText);
  for (QAbstractButton* button : buttons) {
    SetCaptionColour(button, button == chosen ? kChosenCaptionColour : normal);
  }
}

bool HasChosenCaption(const QWidget* widget) {
  return widget->palette().color(QPalette::WindowText) == kChosenCaptionColour;
}

}  // namespace nalo
