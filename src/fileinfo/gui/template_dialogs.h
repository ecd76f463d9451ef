// The five template dialogs (AVI, date and size, image size, MP3, folder name).
// Each edits one record of the information settings; OK stores the record and
// writes its section of Nalo.ini, Cancel leaves both as they were.
#pragma once

#include <QCheckBox>

#include "fileinfo/gui/template_dialog.h"
#include "fileinfo/info_settings.h"
#include "fileinfo/template_preview.h"
#include "settings/ini_file.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace nalo {

// A template dialog over one settings record: the preview and OK both read the
// record as the controls show it (Controls), OK keeps it and writes its section.
template <typename Record>
class TRecordTemplateDialog : public TTemplateDialog {
 protected:
  TRecordTemplateDialog(TTemplateDialogEnv env, TTemplateDialogTexts texts, const char* parts_name,
                        const char* second_parts_name, Record& record, QWidget* parent)
      : TTemplateDialog(std::move(env), std::move(texts), parts_name, second_parts_name, parent),
        record_(record) {}

  // The record with the template and every option control as they are now.
  virtual Record Controls() const = 0;

  std::string PreviewText() const override { return PreviewOf(Controls()); }
  void Store(TIniFile& ini) override {
    record_ = Controls();
    SaveInfoSettings(ini, record_);
  }
  // The record with the shown template and the record's own options.
  Record WithTemplate() const {
    Record shown = record_;
    shown.Text = TemplateCp932();
    return shown;
  }
  const Record& Stored() const { return record_; }

 private:
  static std::string PreviewOf(const TAVI_CODEC_INFO& r) { return PreviewAviTemplate(r); }
  static std::string PreviewOf(const TDate_Size_INFO& r) { return PreviewDateSizeTemplate(r, TodayLocal()); }
  static std::string PreviewOf(const TJPEG_GIF_INFO& r) { return PreviewImageTemplate(r); }
  static std::string PreviewOf(const TMP3_FRM_INFO& r) { return PreviewMp3Template(r); }
  static std::string PreviewOf(const TFOLDER_INFO& r) { return PreviewFolderTemplate(r); }

  Record& record_;
};

class TFavi : public TRecordTemplateDialog<TAVI_CODEC_INFO> {
  Q_OBJECT
 public:
  TFavi(TTemplateDialogEnv env, TAVI_CODEC_INFO& info, const StringList& candidates,
        QWidget* parent = nullptr);

 protected:
  TAVI_CODEC_INFO Controls() const override;
  QLineEdit* SecondPartsTarget() override { return edt_AudioFormat; }

 private:
  QLineEdit* edt_AudioFormat;
  QComboBox* cmb_TimeFormat;
  QComboBox* cmb_Unit;
  QPushButton* BitBtn1;
  QPushButton* BitBtn4;
};

class TFDateSize : public TRecordTemplateDialog<TDate_Size_INFO> {
  Q_OBJECT
 public:
  TFDateSize(TTemplateDialogEnv env, TDate_Size_INFO& info, const StringList& candidates,
             bool folder_mode, QWidget* parent = nullptr);

 protected:
  TDate_Size_INFO Controls() const override;

 private:
  QComboBox* cmb_Unit;
  QComboBox* cmb_FormatDate;
  QLabel* Label4;
};

class TFJpegGif : public TRecordTemplateDialog<TJPEG_GIF_INFO> {
  Q_OBJECT
 public:
  TFJpegGif(TTemplateDialogEnv env, TJPEG_GIF_INFO& info, const StringList& candidates,
            QWidget* parent = nullptr);

 protected:
  TJPEG_GIF_INFO Controls() const override { return WithTemplate(); }
};

class TFmp3 : public TRecordTemplateDialog<TMP3_FRM_INFO> {
  Q_OBJECT
 public:
  TFmp3(TTemplateDialogEnv env, TMP3_FRM_INFO& info, const StringList& candidates,
        QWidget* parent = nullptr);

 protected:
  TMP3_FRM_INFO Controls() const override;

 private:
  QComboBox* ComboBox1;
  QComboBox* ComboBox2;
};

class TFFolderName : public TRecordTemplateDialog<TFOLDER_INFO> {
  Q_OBJECT
 public:
  TFFolderName(TTemplateDialogEnv env, TFOLDER_INFO& info, const StringList& candidates,
               QWidget* parent = nullptr);

 protected:
  TFOLDER_INFO Controls() const override;

 private:
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
