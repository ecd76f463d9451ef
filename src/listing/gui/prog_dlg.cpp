// Events are processed at most every kPumpIntervalMs between directory entries,
// and at every folder, so a walk over a large tree stays fast and the window
// still answers.
#include "listing/gui/prog_dlg.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/list_look.h"
#include "ui/qt_text.h"

namespace nalo {
namespace {

// Often enough for a cancel click to feel immediate, rarely enough to cost little.
constexpr qint64 kPumpIntervalMs = 30;
constexpr int kPanelWidth = 360;

}  // namespace

TProgDlg::TProgDlg(QWidget* parent) : QDialog(parent) {
  setObjectName("ProgDlg");
  setWindowTitle(QStringLiteral("ファイル検索中..."));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  auto* layout = new QVBoxLayout(this);
  Panel1 = new QLabel(QString::fromUtf8(kProgWaitText), this);
  Panel1->setObjectName("Panel1");
  Panel1->setMinimumWidth(kPanelWidth);
  Panel1->setMargin(8);
  Panel1->setAlignment(Qt::AlignCenter);
  ApplyListColors(Panel1, Qt::yellow, Qt::black);
  Button1 = new QPushButton(QStringLiteral("キャンセル"), this);
  Button1->setObjectName("Button1");
  connect(Button1, &QPushButton::clicked, this, &TProgDlg::Button1Click);
  layout->addWidget(Panel1);
  layout->addWidget(Button1, 0, Qt::AlignHCenter);
}

bool TProgDlg::RunSearch(TFindSearch& finder, const TSearchOption& option, bool file_mode,
                         TScanRows& rows) {
  setWindowModality(Qt::ApplicationModal);
  if (parentWidget() != nullptr) {
    adjustSize();
    move(parentWidget()->geometry().center() - rect().center());
  }
  show();
  running_ = &finder;
  finder.OnFolder = [this](const std::string& folder) { ShowFolder(folder); };
  finder.OnIdle = [this] { PumpEvents(false); };
  since_pump_.invalidate();  // the first callback lets the window paint
  const bool completed = finder.Search(option.Folder, option.ExtMask, file_mode, rows,
                                       option.SubFolders);
  finder.OnFolder = nullptr;
  finder.OnIdle = nullptr;
  running_ = nullptr;
  hide();
  return completed;
}

void TProgDlg::Button1Click() {
  if (running_ != nullptr) running_->Cancel();
}

void TProgDlg::ShowFolder(const std::string& folder) {
  if (running_ != nullptr && running_->Cancelled()) {
    Panel1->setText(QString::fromUtf8(kProgCancellingText));
  } else {
    Panel1->setText(FromCp932(folder));
    Panel1->setToolTip(FromCp932(folder));
  }
  PumpEvents(true);
}

void TProgDlg::PumpEvents(bool force) {
  if (!force && since_pump_.isValid() && since_pump_.elapsed() < kPumpIntervalMs) return;
  since_pump_.start();
  QApplication::processEvents();
}

}  // namespace nalo
