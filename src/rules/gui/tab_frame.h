// TTabFrame: what the main window needs from the frame of one tab. At most one
// frame exists at a time; the main window creates it when its tab is entered,
// restores it from the tab's record, and stores it back before destroying it. A
// frame reports through signals only and never reaches into the main window.
#pragma once

#include <QList>
#include <QString>
#include <QWidget>

#include "rules/rule_run.h"
#include "settings/tab_settings.h"

class QComboBox;

namespace nalo {

// Tab indexes of TabControl1.
enum TTabIndex : int {
  kTabSearch = 0,
  kTabReplace = 1,
  kTabAdd = 2,
  kTabConvert = 3,
  kTabMove = 4,
  kTabRegex = 5,
};

// The dynamic property that carries a control's Tag.
inline constexpr const char* kTagProperty = "Tag";

class TTabFrame : public QWidget {
  Q_OBJECT
 public:
  TTabFrame(int tab_index, QWidget* parent);

  int TabIndex() const { return tab_index_; }

  // Copies the controls into the tab's record, and back.
  virtual void StoreTabStatus(TTabStatusSet& records) const = 0;
  virtual void RestoreTabStatus(const TTabStatusSet& records) = 0;
  // Adjusts the frame to file mode (true) or folder mode.
  virtual void ApplyTargetMode(bool files_mode);
  // The line shown in status panel 1 while this tab is current.
  virtual QString DescriptionText(bool files_mode) const;
  // The tab's rule over a copy of the controls' record: it reads nothing of the
  // frame, so it may run later or on another thread. The search tab has no rule.
  virtual TRuleJob RuleJob() const;
  // Runs RuleJob over the context's entries, then ShowRuleError.
  TRuleResult RunRule(const TRuleContext& ctx);
  // Points at what the rule's inputs got wrong (a faulty pattern character) after
  // a run of RuleJob that failed; the default shows nothing.
  virtual void ShowRuleError(const TRuleResult& result);

  // Editable combo boxes that carry a Tag (they get the combo context menu).
  QList<QComboBox*> CandidateCombos() const;
  // The combo box whose Tag is `tag`, or null.
  QComboBox* ComboForTag(int tag) const;
  // Controls that get the template context menu (the add tab's information buttons).
  virtual QList<QWidget*> LabelPopupWidgets() const;

 signals:
  // A control changed: the description line is to be shown again.
  void DescriptionChanged();
  // The frame asks for the folder to be listed again (Enter in a search box).
  void RelistRequested();
  // The user chose a display size unit on the frame.
  void SizeUnitChosen(int unit);

 protected:
  // Sets the Tag of a control.
  static void SetTag(QWidget* widget, int tag);

 private:
  int tab_index_;
};

// A frame for a tab whose frame is not part of this build: it shows nothing and
// keeps its record as it was.
class TEmptyFrame : public TTabFrame {
  Q_OBJECT
 public:
  TEmptyFrame(int tab_index, QWidget* parent);
  void StoreTabStatus(TTabStatusSet&) const override {}
  void RestoreTabStatus(const TTabStatusSet&) override {}
};

}  // namespace nalo
