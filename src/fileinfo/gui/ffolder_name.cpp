// The folder-name template dialog: the last folder or the whole path of the item's
// folder, with the characters of the path that a name cannot hold replaced by the
// chosen separators. The preview shows a sample folder.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include "fileinfo/gui/template_dialogs.h"
#include "fileinfo/template_preview.h"
#include "ui/qt_text.h"

namespace nalo {

TFFolderName::TFFolderName(TTemplateDialogEnv env, TFOLDER_INFO& info,
                           const StringList& candidates, QWidget* parent)
    : TRecordTemplateDialog(env, TemplateDialogTexts(TInfoKind::Folder, false), "ListBox1", "",
                            info, parent) {
  setObjectName("FFolderName");
  PreviewLabel()->setText(QStringLiteral("プレビュー ( ") + FromCp932(kPreviewFolderPath) +
                          QStringLiteral(" の場合 )"));
  dxfCheckBox1 = new QCheckBox(QStringLiteral("フルパスで追加する"), this);
  dxfCheckBox1->setObjectName("dxfCheckBox1");
  dxfCheckBox1->setChecked(info.FullPath);
  dxfCheckBox2 = new QCheckBox(QStringLiteral("ドライブ名は含まない"), this);
  dxfCheckBox2->setObjectName("dxfCheckBox2");
  dxfCheckBox2->setChecked(info.DriveFL);
  connect(dxfCheckBox1, &QCheckBox::toggled, this, &TFFolderName::RefreshPreview);
  connect(dxfCheckBox2, &QCheckBox::toggled, this, &TFFolderName::RefreshPreview);
  ComboBox1 = NewChoiceBox("ComboBox1", kSeparatorItems, info.Idx1);
  ComboBox2 = NewChoiceBox("ComboBox2", kSeparatorItems, info.Idx2);
  auto* Label4 = new QLabel(QStringLiteral("\":\" を次の文字で置き換える"), this);
  Label4->setObjectName("Label4");
  auto* Label5 = new QLabel(QStringLiteral("\"/\" を次の文字で置き換える"), this);
  Label5->setObjectName("Label5");
  auto* grid = new QGridLayout;
  grid->addWidget(dxfCheckBox1, 0, 0, 1, 2);
  grid->addWidget(dxfCheckBox2, 1, 0, 1, 2);
  grid->addWidget(Label4, 2, 0);
  grid->addWidget(ComboBox1, 2, 1);
  grid->addWidget(Label5, 3, 0);
  grid->addWidget(ComboBox2, 3, 1);
  OptionsLayout()->addLayout(grid);
  Start(info.Text, candidates);
}

TFOLDER_INFO TFFolderName::Controls() const {
  TFOLDER_INFO shown = WithTemplate();
  shown.FullPath = dxfCheckBox1->isChecked();
  shown.DriveFL = dxfCheckBox2->isChecked();
  shown.Idx1 = ComboBox1->currentIndex();
  shown.Idx2 = ComboBox2->currentIndex();
  return shown;
}

}  // namespace nalo
