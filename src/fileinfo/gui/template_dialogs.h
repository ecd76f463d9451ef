// The five template dialogs (AVI, date and size, image size, MP3, folder name).
// Each edits one record of the information settings; OK stores the record and
// writes its section of Nalo.ini, Cancel leaves both as they were.
#pragma once

#include <QCheckBox>

#include "fileinfo/gui/template_dialog.h"
#include "fileinfo/info_settings.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace nalo {

class TFavi : public TTemplateDialog {
  Q_OBJECT
 public:
  TFavi(TTemplateDialogEnv env, TAVI_CODEC_INFO& info, const StringList& candidates,
        QWidget* parent = nullptr);

 protected:
  std::string PreviewText() const override;
  void Store(TIniFile& ini) override;
  QLineEdit* SecondPartsTarget() override { return edt_AudioFormat; }

 private:
  TAVI_CODEC_INFO Controls() const;

  TAVI_CODEC_INFO& info_;
  QLineEdit* edt_AudioFormat;
  QComboBox* cmb_TimeFormat;
  QComboBox* cmb_Unit;
  QPushButton* BitBtn1;
  QPushButton* BitBtn4;
};

class TFDateSize : public TTemplateDialog {
  Q_OBJECT
 public:
  TFDateSize(TTemplateDialogEnv env, TDate_Size_INFO& info, const StringList& candidates,
             bool folder_mode, QWidget* parent = nullptr);

 protected:
  std::string PreviewText() const override;
  void Store(TIniFile& ini) override;

 private:
  TDate_Size_INFO Controls() const;

  TDate_Size_INFO& info_;
  QComboBox* cmb_Unit;
  QComboBox* cmb_FormatDate;
  QLabel* Label4;
};

class TFJpegGif : public TTemplateDialog {
  Q_OBJECT
 public:
  TFJpegGif(TTemplateDialogEnv env, TJPEG_GIF_INFO& info, const StringList& candidates,
            QWidget* parent = nullptr);

 protected:
  std::string PreviewText() const override;
  void Store(TIniFile& ini) override;

 private:
  TJPEG_GIF_INFO& info_;
};

class TFmp3 : public TTemplateDialog {
  Q_OBJECT
 public:
  TFmp3(TTemplateDialogEnv env, TMP3_FRM_INFO& info, const StringList& candidates,
        QWidget* parent = nullptr);

 protected:
  std::string PreviewText() const override;
  void Store(TIniFile& ini) override;

 private:
  TMP3_FRM_INFO Controls() const;

  TMP3_FRM_INFO& info_;
  QComboBox* ComboBox1;
  QComboBox* ComboBox2;
};

class TFFolderName : public TTemplateDialog {
  Q_OBJECT
 public:
  TFFolderName(TTemplateDialogEnv env, TFOLDER_INFO& info, const StringList& candidates,
               QWidget* parent = nullptr);

 protected:
  std::string PreviewText() const override;
  void Store(TIniFile& ini) override;

 private:
  TFOLDER_INFO Controls() const;

  TFOLDER_INFO& info_;
  QCheckBox* dxfCheckBox1;
  QCheckBox* dxfCheckBox2;
  QComboBox* ComboBox1;
  QComboBox* ComboBox2;
};

// Loads the record of `kind` and its candidate list from Nalo.ini, and shows its
// dialog modally.
void OpenTemplateDialog(TInfoKind kind, const TTemplateDialogEnv& env, TInfoSettings& info,
                        bool folder_mode, QWidget* parent);

}  // namespace nalo
