// TFAbout: the small modal about box with the product name, the version text and
// an OK button.
#pragma once

#include <QDialog>

namespace nalo {

inline constexpr const char* kVersionText = " Version 0.11.1";

class TFAbout : public QDialog {
  Q_OBJECT
 public:
  explicit TFAbout(QWidget* parent = nullptr);
};

}  // namespace nalo
