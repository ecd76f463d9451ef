// The AVI template dialog: the video template, the audio sub-template with its
// own parts, the time and unit formats, and the buttons of the codec registry.
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "fileinfo/gui/ffourcc.h"
#include "fileinfo/gui/template_dialogs.h"
#include "ui/dialog_buttons.h"
#include "ui/qt_text.h"

namespace nalo {

TFavi::TFavi(TTemplateDialogEnv env, TAVI_CODEC_INFO& info, const StringList& candidates,
             QWidget* parent)
    : TRecordTemplateDialog(env, TemplateDialogTexts(TInfoKind::Avi, false), "ListBox1",
                            "ListBox2", info, parent) {
  setObjectName("Favi");
  auto* audio = new QGroupBox(QStringLiteral("<AUDIO>音声コーデック"), this);
  edt_AudioFormat = new QLineEdit(FromCp932(info.Text2), audio);
  edt_AudioFormat->setObjectName("edt_AudioFormat");
  connect(edt_AudioFormat, &QLineEdit::textChanged, this, &TFavi::RefreshPreview);
  BitBtn4 = NamedButton(audio, "BitBtn4", QStringLiteral("設定(&A)..."));
  auto* audio_layout = new QGridLayout(audio);
  audio_layout->addWidget(new QLabel(QStringLiteral("<AUDIO> 作成"), audio), 0, 0);
  audio_layout->addWidget(edt_AudioFormat, 0, 1);
  audio_layout->addWidget(BitBtn4, 1, 0);
  audio_layout->addWidget(new QLabel(QStringLiteral("FormatTagから<ACODEC>を作ります"), audio), 1, 1);

  auto* video = new QGroupBox(QStringLiteral("<CODEC>映像コーデック"), this);
  BitBtn1 = NamedButton(video, "BitBtn1", QStringLiteral("設定(&M)..."));
  auto* video_layout = new QGridLayout(video);
  video_layout->addWidget(BitBtn1, 0, 0);
  video_layout->addWidget(new QLabel(QStringLiteral("FourCCから<CODEC>を作ります"), video), 0, 1);
  const std::string folder = Env().SettingsFolder;
  TMessenger* messenger = Env().Messenger;
  connect(BitBtn1, &QPushButton::clicked, this, [this, folder, messenger] {
    OpenCodecRegistry(this, *messenger, folder, TCodecMode::kVideo);
  });
  connect(BitBtn4, &QPushButton::clicked, this, [this, folder, messenger] {
    OpenCodecRegistry(this, *messenger, folder, TCodecMode::kAudio);
  });

  cmb_TimeFormat = NewChoiceBox("cmb_TimeFormat", kTimeFormatItems, info.Time_Idx);
  cmb_Unit = NewChoiceBox("cmb_Unit", kSizeUnitItems, info.Size_Idx);
  auto* formats = new QGridLayout;
  formats->addWidget(new QLabel(QStringLiteral("<TIME> フォーマット"), this), 0, 0);
  formats->addWidget(cmb_TimeFormat, 0, 1);
  formats->addWidget(new QLabel(QStringLiteral("<UNIT> フォーマット"), this), 1, 0);
  formats->addWidget(cmb_Unit, 1, 1);
  OptionsLayout()->addWidget(audio);
  OptionsLayout()->addWidget(video);
  OptionsLayout()->addLayout(formats);
  Start(info.Text, candidates);
}

TAVI_CODEC_INFO TFavi::Controls() const {
  TAVI_CODEC_INFO shown = WithTemplate();
  shown.Text2 = ToCp932(edt_AudioFormat->text()).value_or(std::string());
  shown.Time_Idx = cmb_TimeFormat->currentIndex();
  shown.Size_Idx = cmb_Unit->currentIndex();
  return shown;
}

}  // namespace nalo
