// Buttons of the dialogs: a push button carrying its object name, and the row of
// a dialog's closing buttons, pushed to the right edge.
#pragma once

#include <QString>
#include <initializer_list>

class QHBoxLayout;
class QPushButton;
class QWidget;

namespace nalo {

QPushButton* NamedButton(QWidget* parent, const char* object_name, const QString& text);

// The widgets in order, after a stretch that takes the free room on the left.
QHBoxLayout* RightAlignedRow(std::initializer_list<QWidget*> widgets);

}  // namespace nalo
