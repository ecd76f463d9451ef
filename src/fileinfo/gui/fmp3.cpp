// The MP3 template dialog: ID3 tag parts and MPEG parts (both go into the one
// template), with the time and frame formats of the MPEG information.
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

#include "fileinfo/gui/template_dialogs.h"

namespace nalo {

TFmp3::TFmp3(TTemplateDialogEnv env, TMP3_FRM_INFO& info, const StringList& candidates,
             QWidget* parent)
    : TRecordTemplateDialog(env, TemplateDialogTexts(TInfoKind::Mp3, false), "lstBox_id3Tag",
                            "lstBox_mpeg", info, parent) {
  setObjectName("Fmp3");
  ComboBox1 = NewChoiceBox("ComboBox1", kTimeFormatItems, info.TimeIdx);
  ComboBox2 = NewChoiceBox("ComboBox2", kFrameStyleItems, info.FrameIdx);
  auto* group = new QGroupBox(QStringLiteral("Mepg情報フォーマット設定"), this);
  auto* layout = new QGridLayout(group);
  layout->addWidget(new QLabel(QStringLiteral("<TIME> フォーマット"), group), 0, 0);
  layout->addWidget(ComboBox1, 0, 1);
  layout->addWidget(new QLabel(QStringLiteral("<FRAME> フォーマット"), group), 1, 0);
  layout->addWidget(ComboBox2, 1, 1);
  OptionsLayout()->addWidget(group);
  Start(info.Text, candidates);
}

TMP3_FRM_INFO TFmp3::Controls() const {
  TMP3_FRM_INFO shown = WithTemplate();
  shown.TimeIdx = ComboBox1->currentIndex();
  shown.FrameIdx = ComboBox2->currentIndex();
  return shown;
}

}  // namespace nalo
