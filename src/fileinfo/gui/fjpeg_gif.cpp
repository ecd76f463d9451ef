// The image size template dialog: a template of <SIZE_X> and <SIZE_Y> only.
#include "fileinfo/gui/template_dialogs.h"
#include "fileinfo/template_preview.h"

namespace nalo {

TFJpegGif::TFJpegGif(TTemplateDialogEnv env, TJPEG_GIF_INFO& info, const StringList& candidates,
                     QWidget* parent)
    : TTemplateDialog(env, TemplateDialogTexts(TInfoKind::Image, false), "lstBox", "", parent),
      info_(info) {
  setObjectName("FJpegGif");
  Start(info.Text, candidates);
}

std::string TFJpegGif::PreviewText() const {
  TJPEG_GIF_INFO shown = info_;
  shown.Text = TemplateCp932();
  return PreviewImageTemplate(shown);
}

void TFJpegGif::Store(TIniFile& ini) {
  info_.Text = TemplateCp932();
  SaveInfoSettings(ini, info_);
}

}  // namespace nalo
