// Defaults shared by all frames: no target-mode changes, no description, no rule,
// and the Tag lookups over the frame's child combo boxes.
#include "rules/gui/tab_frame.h"

#include <QComboBox>
#include <QVariant>

namespace nalo {

TTabFrame::TTabFrame(int tab_index, QWidget* parent) : QWidget(parent), tab_index_(tab_index) {}

void TTabFrame::ApplyTargetMode(bool) {}

QString TTabFrame::DescriptionText(bool) const { return {}; }

TRuleJob TTabFrame::RuleJob() const {
  return [](const TRuleContext&) { return SilentResult(); };
}

TRuleResult TTabFrame::RunRule(const TRuleContext& ctx) {
  TRuleResult result = RuleJob()(ctx);
  ShowRuleError(result);
  return result;
}

void TTabFrame::ShowRuleError(const TRuleResult&) {}

QList<QComboBox*> TTabFrame::CandidateCombos() const {
  QList<QComboBox*> combos;
  for (QComboBox* combo : findChildren<QComboBox*>()) {
    if (combo->isEditable() && combo->property(kTagProperty).isValid()) combos.push_back(combo);
  }
  return combos;
}

QComboBox* TTabFrame::ComboForTag(int tag) const {
  for (QComboBox* combo : CandidateCombos()) {
    if (combo->property(kTagProperty).toInt() == tag) return combo;
  }
  return nullptr;
}

QList<QWidget*> TTabFrame::LabelPopupWidgets() const { return {}; }

void TTabFrame::SetTag(QWidget* widget, int tag) { widget->setProperty(kTagProperty, tag); }

TEmptyFrame::TEmptyFrame(int tab_index, QWidget* parent) : TTabFrame(tab_index, parent) {
  setObjectName("EmptyFrame");
}

}  // namespace nalo
