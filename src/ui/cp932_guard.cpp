// The last good text is kept as a dynamic property of the combo box, so the guard
// needs no object of its own and ends with the combo.
#include "ui/cp932_guard.h"

#include <QComboBox>
#include <QLineEdit>
#include <QVariant>

#include "text/name_text.h"
#include "ui/messenger.h"
#include "ui/qt_text.h"

namespace nalo {
namespace {

constexpr const char* kGoodTextProperty = "naloGoodText";

}  // namespace

void GuardCp932(QComboBox* combo, TMessenger& messenger) {
  QLineEdit* edit = combo->lineEdit();
  if (edit == nullptr) return;
  combo->setProperty(kGoodTextProperty, combo->currentText());
  QObject::connect(edit, &QLineEdit::textChanged, combo, [combo, edit, &messenger](const QString& text) {
    const QString bad = FirstUnencodableChar(text);
    if (bad.isEmpty()) {
      combo->setProperty(kGoodTextProperty, text);
      return;
    }
    const QString good = combo->property(kGoodTextProperty).toString();
    edit->setText(good);
    messenger.Warn(combo, UnencodableTextMessage(bad));
  });
}

void SetGuardedText(QComboBox* combo, const QString& text) {
  combo->setProperty(kGoodTextProperty, text);
  combo->setEditText(text);
}

std::optional<QString> LimitedPasteText(const QString& text) {
  const std::optional<std::string> cp932 = ToCp932(text);
  if (!cp932) return std::nullopt;
  return FromCp932(LimitToBytes(*cp932, kMaxEditBytes));
}

}  // namespace nalo
