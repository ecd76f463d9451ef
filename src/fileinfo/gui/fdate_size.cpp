// The date and size template dialog. In folder mode it says that <FILE_SIZE> is
// ignored, yet its preview still shows a size, as the template may be used for
// files again.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>
#include <ctime>

#include "fileinfo/gui/template_dialogs.h"
#include "fileinfo/template_preview.h"

namespace nalo {
namespace {

QGroupBox* Group(QWidget* parent, const QString& title, QWidget* content) {
  auto* group = new QGroupBox(title, parent);
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(content);
  return group;
}

std::tm Today() {
  const std::time_t now = std::time(nullptr);
  std::tm local {};
  localtime_r(&now, &local);
  return local;
}

}  // namespace

TFDateSize::TFDateSize(TTemplateDialogEnv env, TDate_Size_INFO& info,
                       const StringList& candidates, bool folder_mode, QWidget* parent)
    : TTemplateDialog(env, TemplateDialogTexts(TInfoKind::DateSize, folder_mode), "ListBox1",
                      "", parent),
      info_(info) {
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
  TDate_Size_INFO shown = info_;
  shown.Text = TemplateCp932();
  shown.Size_Idx = cmb_Unit->currentIndex();
  shown.FormatIdx = cmb_FormatDate->currentIndex();
  return shown;
}

std::string TFDateSize::PreviewText() const { return PreviewDateSizeTemplate(Controls(), Today()); }

void TFDateSize::Store(TIniFile& ini) {
  info_ = Controls();
  SaveInfoSettings(ini, info_);
}

}  // namespace nalo
