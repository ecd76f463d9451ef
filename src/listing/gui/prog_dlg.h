// TProgDlg: the progress window of a scan with sub-folders. The scan runs on the
// user-interface thread; the window is shown modally while the scanner reports
// each folder, and the scanner's callbacks let the event loop run now and then, so
// the window repaints and its cancel button reaches the scanner.
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <string>

#include "listing/find_search.h"
#include "listing/search_option.h"

class QLabel;
class QPushButton;

namespace nalo {

inline constexpr const char* kProgWaitText = "しばらくお待ち下さい  m（_　_）m ";
inline constexpr const char* kProgCancellingText = "キャンセル中...";

class TProgDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TProgDlg(QWidget* parent = nullptr);

  // Runs the search for `option` with this window shown; true when it completed.
  bool RunSearch(TFindSearch& finder, const TSearchOption& option, bool file_mode,
                 TScanRows& rows);

  QLabel* Panel1 = nullptr;
  QPushButton* Button1 = nullptr;

 private:
  void Button1Click();
  void ShowFolder(const std::string& folder);
  void PumpEvents(bool force);

  TFindSearch* running_ = nullptr;
  QElapsedTimer since_pump_;
};

}  // namespace nalo
