// The image size template dialog: a template of <SIZE_X> and <SIZE_Y> only.
#include "fileinfo/gui/template_dialogs.h"

namespace nalo {

TFJpegGif::TFJpegGif(TTemplateDialogEnv env, TJPEG_GIF_INFO& info, const StringList& candidates,
                     QWidget* parent)
    : TRecordTemplateDialog(env, TemplateDialogTexts(TInfoKind::Image, false), "lstBox", "", info,
                            parent) {
  setObjectName("FJpegGif");
  Start(info.Text, candidates);
}

}  // namespace nalo
