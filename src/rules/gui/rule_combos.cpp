// The candidate combos look like those of the replace frame: yellow list colours,
// twenty drop-down lines and the hint that the context menu edits them.
#include "rules/gui/rule_combos.h"

#include <QComboBox>

#include "rules/gui/tab_frame.h"
#include "ui/cp932_guard.h"
#include "ui/list_look.h"
#include "ui/qt_text.h"

namespace nalo {
namespace {

// Drop-down height of a candidate list, in lines.
constexpr int kComboDropDownLines = 20;

}  // namespace

QComboBox* MakeCandidateCombo(QWidget* parent, const char* name, int tag, TMessenger& messenger) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(name);
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->setMaxVisibleItems(kComboDropDownLines);
  combo->setToolTip(QStringLiteral("右クリックメニューで編集できます"));
  combo->setProperty(kTagProperty, tag);
  ApplyListColors(combo, Qt::yellow, Qt::black);
  GuardCp932(combo, messenger);
  return combo;
}

QComboBox* MakeListCombo(QWidget* parent, const char* name, const std::string_view* items,
                         std::size_t count) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(name);
  for (std::size_t i = 0; i < count; ++i) combo->addItem(FromUtf8(items[i]));
  combo->setCurrentIndex(0);
  return combo;
}

int IndexWithin(int index, int count, int fallback) {
  return index >= 0 && index < count ? index : fallback;
}

}  // namespace nalo
