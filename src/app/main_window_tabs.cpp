// Tab switching: the leaving frame is stored into its record and destroyed, the
// entered tab gets its captions, exclusion list and a fresh frame restored from
// its record. Also the target mode, the description line and the status counts.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTableView>
#include <QVBoxLayout>

#include "app/main_window.h"
#include "listing/gui/entry_list_model.h"
#include "listing/size_units.h"
#include "listing/status_text.h"
#include "rules/gui/combo_items.h"
#include "rules/gui/frm_add.h"
#include "rules/gui/frm_search.h"
#include "rules/gui/tab_frame_factory.h"
#include "ui/messenger.h"
#include "ui/qt_text.h"

namespace nalo {
namespace {

struct TTabCaptions {
  const char* NotCaption;
  const char* ActionCaption;
};

constexpr TTabCaptions kTabCaptionTable[kTabCount] = {
    {"検索しない条件を指定する", "検索(&S)"},
    {"置換しない条件を指定する", "置換(&R)..."},
    {"追加しない条件を指定する", "追加(&A)..."},
    {"変換しない条件を指定する", "変換(&M)..."},
    {"移動しない条件を指定する", "移動(&M)..."},
    {"置換しない条件を指定する", "正規表現置換(&D)..."},
};

}  // namespace

bool TFMainFrm::TabControl1Changing() { return !Busy(); }

void TFMainFrm::TabControl1Change(int index) {
  if (index == current_tab_ || index < 0 || index >= kTabCount) return;
  if (!TabControl1Changing()) {
    const QSignalBlocker block(TabControl1);
    TabControl1->setCurrentIndex(current_tab_);
    return;
  }
  setUpdatesEnabled(false);
  StoreTabStatus(current_tab_);
  DestroyFrame();
  current_tab_ = index;
  EnterTab(index);
  setUpdatesEnabled(true);
}

void TFMainFrm::EnterTab(int index) {
  ReplaceComboItems(cmb_notText, settings_.Main.NotLists[index]);
  SetTabCaptions(index);
  CreateFrame(index);
  ApplyTargetMode(FilesMode());
  ShowDescription();
  RefreshStatusCounts();
  TabControl1->setFocus();
}

void TFMainFrm::SetTabCaptions(int index) {
  const TTabCaptions& c = kTabCaptionTable[index];
  chk_SelectOnly->setEnabled(index != kTabSearch);
  chk_not->setText(QString::fromUtf8(c.NotCaption));
  btn_Action->setText(QString::fromUtf8(c.ActionCaption));
  if (index == kTabSearch) {
    btn_Return->setText(QStringLiteral("検索条件クリア(&C)"));
    btn_Return->setToolTip(QStringLiteral("検索条件をクリアします"));
  } else {
    btn_Return->setText(QStringLiteral("元に戻す(&Z)"));
    btn_Return->setToolTip(QStringLiteral("直前に行ったリネームを１回だけ元に戻す"));
  }
}

void TFMainFrm::CreateFrame(int index) {
  if (frame_ != nullptr) return;
  frame_ = CreateTabFrame(index, *messenger_, TabPanel);
  TabPanel->layout()->addWidget(frame_);
  RestoreTabStatus(index);
  AttachPopupMenus();
  connect(frame_, &TTabFrame::DescriptionChanged, this, &TFMainFrm::ShowDescription);
  connect(frame_, &TTabFrame::RelistRequested, this, [this] { RelistFolder(); });
  connect(frame_, &TTabFrame::SizeUnitChosen, this, &TFMainFrm::ApplySizeUnitNow);
  if (auto* add = qobject_cast<TFrm_Add*>(frame_)) {
    // Tab from the add frame's last candidate goes on to the exclusion box.
    connect(add, &TFrm_Add::FocusLeftFrame, this, [this] { chk_not->setFocus(Qt::TabFocusReason); });
  }
  if (auto* search = qobject_cast<TFrm_Search*>(frame_)) {
    search->SetUnitCaption(FromUtf8(SizeUnitWord(state_.SizeUnit)));
  }
  frame_->show();
}

void TFMainFrm::DestroyFrame() {
  if (frame_ == nullptr) return;
  delete frame_;
  frame_ = nullptr;
}

// pm_Combo on every candidate combo of the frame and on cmb_notText, pm_Label on
// the frame's template buttons. Opening a menu or entering a combo records its Tag.
void TFMainFrm::AttachPopupMenus() {
  QList<QComboBox*> combos = frame_->CandidateCombos();
  combos.push_back(cmb_notText);
  for (QComboBox* combo : combos) {
    combo->installEventFilter(this);
    QWidget* edit = combo->lineEdit();
    edit->setContextMenuPolicy(Qt::CustomContextMenu);
    disconnect(edit, &QWidget::customContextMenuRequested, this, nullptr);
    connect(edit, &QWidget::customContextMenuRequested, this, [this, combo, edit](const QPoint& pos) {
      popup_tag_ = combo->property(kTagProperty).toInt();
      pm_Combo->popup(edit->mapToGlobal(pos));
    });
  }
  for (QWidget* w : frame_->LabelPopupWidgets()) {
    w->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(w, &QWidget::customContextMenuRequested, this, [this, w](const QPoint& pos) {
      popup_tag_ = w->property(kTagProperty).toInt();
      pm_Label->popup(w->mapToGlobal(pos));
    });
  }
}

void TFMainFrm::StoreTabStatus(int tab) {
  if (frame_ != nullptr && frame_->TabIndex() == tab) frame_->StoreTabStatus(settings_.Tabs);
}

void TFMainFrm::RestoreTabStatus(int tab) {
  if (frame_ != nullptr && frame_->TabIndex() == tab) frame_->RestoreTabStatus(settings_.Tabs);
}

bool TFMainFrm::FilesMode() const { return Action("File2")->isChecked(); }

void TFMainFrm::ApplyTargetMode(bool files_mode) {
  N32->setEnabled(files_mode);
  if (frame_ != nullptr) frame_->ApplyTargetMode(files_mode);
  if (current_tab_ == kTabSearch) btn_Action->setEnabled(true);
  ShowDescription();
}

void TFMainFrm::ShowDescription() {
  if (frame_ == nullptr) return;
  panel1_->setText(frame_->DescriptionText(FilesMode()));
}

void TFMainFrm::RefreshStatusCounts() {
  const TStatusRefresh r = nalo::RefreshStatusCounts(entries_, state_, current_tab_);
  panel0_->setText(FromUtf8(r.Panel0));
  btn_Return->setEnabled(r.ReturnEnabled);
  ListView1->viewport()->update();
}

}  // namespace nalo
