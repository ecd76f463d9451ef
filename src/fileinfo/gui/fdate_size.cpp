// The date and size template dialog. In folder mode it says that <FILE_SIZE> is
// ignored, yet its preview still shows a size, as the template may be used for
// files again.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "fileinfo/gui/template_dialogs.h"

namespace nalo {
namespace {

QGroupBox* Group(QWidget* parent, const QString& title, QWidget* content) {
  auto* group = new QGroupBox(title, parent);
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(content);
  return group;
}

}  // namespace

TFDateSize::TFDateSize(TTemplateDialogEnv env, TDate_Size_INFO& info,
                       const StringList& candidates, bool folder_mode, QWidget* parent)
    : TRecordTemplateDialog(env, TemplateDialogTexts(TInfoKind::DateSize, folder_mode),
                            "ListBox1", "", info, parent) {
  setObjectName("FDateSize");
  cmb_Unit = NewChoiceBox("cmb_Unit", kSizeUnitItems, info.Size_Idx);
  cmb_FormatDate = NewChoiceBox("cmb_FormatDate", kDateFormatItems, info.FormatIdx);
  Label4 = new QLabel(QStringLiteral("<FILE_SIZE>は無視します!!"), this);
  Label4->setObjectName("Label4");
  Label4->setVisible(folder_mode);
  OptionsLayout()->addWidget(Group(this, QStringLiteral("<UNIT>単位"), cmb_Unit));
  OptionsLayout()->addWidget(Group(this, QStringLiteral("<DATE>日付フォーマット"), cmb_FormatDate));
  OptionsLayout()->addWidget(Label4);
  Start(info.Text, candidates);
}

TDate_Size_INFO TFDateSize::Controls() const {
  TDate_Size_INFO shown = WithTemplate();
  shown.Size_Idx = cmb_Unit->currentIndex();
  shown.FormatIdx = cmb_FormatDate->currentIndex();
  return shown;
}

}  // namespace nalo
