// The windows are driven through their commands like a user would; modal windows
// are captured by a messenger that grabs each dialog instead of running it.
#include "app/screenshots.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "app/flistbox_modif.h"
#include "app/live_preview.h"
#include "app/main_window.h"
#include "execution/apply_renames.h"
#include "execution/gui/fbatch_progress.h"
#include "execution/gui/fdelete.h"
#include "execution/gui/fhistory.h"
#include "execution/gui/frename.h"
#include "execution/journal_undo.h"
#include "fileinfo/gui/ffourcc.h"
#include "fileinfo/gui/template_dialogs.h"
#include "rules/gui/frm_okikae.h"
#include "rules/gui/frm_seiki_help.h"
#include "rules/regex_help.h"
#include "ui/messenger.h"
#include "ui/qt_text.h"

namespace nalo {
namespace {

// The size of every picture of the main window.
constexpr int kShotWidth = 1100;
constexpr int kShotHeight = 640;

const char* const kSampleFiles[] = {
    "【新作】映画.avi", "写真_001.jpg", "写真_002.jpg", "報告書(2002).doc",
    "ソース表.txt",     "readme.TXT",   "音楽 ベスト.mp3"};
const char* const kSampleFolders[] = {"資料", "画像_旅行", "アーカイブ"};

class TShotMessenger : public TMessenger {
 public:
  explicit TShotMessenger(QString out_dir) : out_dir_(std::move(out_dir)) {}
  QString next_dialog_name;
  int failures = 0;

  void Info(QWidget*, const QString&) override {}
  void Warn(QWidget*, const QString&) override {}
  void Error(QWidget*, const QString&) override {}
  bool YesNo(QWidget*, const QString&) override { return true; }
  std::optional<QString> PickFolder(QWidget*, const QString&, const QString&) override { return {}; }
  std::optional<QString> AskSaveFile(QWidget*, const QString&, const QString&, const QString&,
                                     const QString&) override {
    return {};
  }
  int ExecModal(QDialog& dialog) override {
    if (!next_dialog_name.isEmpty()) {
      dialog.show();
      QApplication::processEvents();
      Save(dialog, next_dialog_name);
      next_dialog_name.clear();
      dialog.hide();
    }
    return QDialog::Rejected;
  }
  bool OpenFolder(const QString&) override { return true; }
  void Beep() override {}

  void Save(QWidget& widget, const QString& name) {
    const QString path = QDir(out_dir_).filePath(name + QStringLiteral(".png"));
    if (!widget.grab().save(path)) {
      std::fprintf(stderr, "cannot write %s\n", path.toLocal8Bit().constData());
      ++failures;
    }
  }

 private:
  QString out_dir_;
};

bool MakeSampleFolder(const QString& root) {
  for (const char* name : kSampleFiles) {
    QFile file(QDir(root).filePath(QString::fromUtf8(name)));
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(QByteArray(1536, 'x'));
  }
  for (const char* name : kSampleFolders) {
    if (!QDir(root).mkdir(QString::fromUtf8(name))) return false;
  }
  return true;
}

void ShootTabs(TFMainFrm& window, TShotMessenger& messenger) {
  const char* const modes[] = {"file", "folder"};
  for (int mode = 0; mode < 2; ++mode) {
    if (mode == 0) window.File2Click(); else window.Folder1Click();
    for (int tab = 0; tab < kTabCount; ++tab) {
      window.TabControl1->setCurrentIndex(tab);
      QApplication::processEvents();
      messenger.Save(window, QStringLiteral("main_tab%1_%2").arg(tab).arg(QString::fromUtf8(modes[mode])));
    }
  }
  window.File2Click();
}

void ShootConfirmation(TFMainFrm& window, TShotMessenger& messenger) {
  window.TabControl1->setCurrentIndex(kTabReplace);
  auto* frame = qobject_cast<TFrm_Okikae*>(window.CurrentFrame());
  if (frame == nullptr) return;
  frame->cmb_String_Old->setEditText(QStringLiteral("_"));
  frame->cmb_String_New->setEditText(QStringLiteral("－"));
  messenger.next_dialog_name = QStringLiteral("confirmation");
  window.btn_ActionClick();
}

// Names of every kind a Linux disk holds, written with their raw bytes: characters
// beyond code page 932, a legacy Shift-JIS name and bytes that are no text.
const char* const kEveryKindNames[] = {
    "caf\xC3\xA9 au lait.mp3",                                                       // é
    "\xE6\x98\xA0\xE7\x94\xBB\xE3\x80\x9C\xE7\xB7\x8F\xE9\x9B\x86\xE7\xB7\xA8.avi",  // 映画〜総集編
                                                                                     // with U+301C
    "\xE2\x88\x92"
    "20\xE5\xBA\xA6.txt",                            // −20度 with U+2212
    "\xED\x95\x9C\xEA\xB5\xAD\xEC\x96\xB4.txt",      // Hangul
    "\xE5\x86\x99\xE7\x9C\x9F_001.jpg",              // 写真_001.jpg
    "\x83\x65\x83\x58\x83\x67\x8E\x91\x97\xBF.doc",  // テスト資料.doc in legacy bytes
    "\x95\xF1\x8D\x90\x8F\x91.txt",                  // 報告書.txt in legacy bytes
    "data\xFF\xFE.bin",                              // neither UTF-8 nor code page 932
};

// The list of a folder holding names of every kind, and the confirmation window
// of the edit menu's encoding conversion.
void ShootEveryKindOfName(TFMainFrm& window, TShotMessenger& messenger, const QString& root) {
  const std::string folder =
      QDir(root).filePath(QStringLiteral("Pok\u00E9mon\u301C")).toStdString();
  if (!QDir().mkpath(QString::fromStdString(folder))) return;
  for (const char* name : kEveryKindNames) std::ofstream(folder + "/" + name) << name;
  window.TabControl1->setCurrentIndex(kTabReplace);
  window.ListFolder(QString::fromStdString(folder));
  QApplication::processEvents();
  messenger.Save(window, QStringLiteral("main_every_kind_of_name"));
  messenger.next_dialog_name = QStringLiteral("confirmation_fix_encoding");
  if (QAction* fix = window.findChild<QAction*>(QStringLiteral("FixEncoding1"))) fix->trigger();
}

// The confirmation window with a row that would fail: its target already exists.
void ShootProblemRows(TFMainFrm& window, TShotMessenger& messenger, const QString& folder) {
  QFile taken(QDir(folder).filePath(QStringLiteral("写真－001.jpg")));
  if (!taken.open(QIODevice::WriteOnly)) return;
  taken.close();
  window.ListFolder(folder);  // the clash marks come from the names the listing saw
  messenger.next_dialog_name = QStringLiteral("confirmation_problems");
  window.btn_ActionClick();
  taken.remove();
  window.ListFolder(folder);
}

void ShootLaptopScreen(TFMainFrm& window, TShotMessenger& messenger) {
  window.TabControl1->setCurrentIndex(kTabReplace);
  window.resize(1366, 768);
  QApplication::processEvents();
  messenger.Save(window, QStringLiteral("main_1366x768"));
  window.resize(kShotWidth, kShotHeight);
}

// Waits until the new-name column shows the result of its newest run (at most
// ten seconds, so a broken preview cannot hang the renderer).
void WaitForPreview(TLivePreview& preview) {
  QEventLoop loop;
  quint64 newest = 0;
  QObject::connect(&preview, &TLivePreview::Started, &loop, [&newest](quint64 g) { newest = g; });
  QObject::connect(&preview, &TLivePreview::Shown, &loop, [&](quint64 g, bool complete) {
    if (complete && g == newest) loop.quit();
  });
  QTimer::singleShot(10000, &loop, &QEventLoop::quit);
  loop.exec();
}

// The regular-expression tab typing a rule that makes two names the same: the
// column shows the new names with their changed parts and marks the duplicate.
void ShootPreview(TFMainFrm& window, TShotMessenger& messenger) {
  window.TabControl1->setCurrentIndex(kTabRegex);
  QWidget* frame = window.CurrentFrame();
  auto* perl5 = frame->findChild<QAbstractButton*>(QStringLiteral("chk_Parl"));
  auto* expression = frame->findChild<QComboBox*>(QStringLiteral("RegExpEdit"));
  if (perl5 == nullptr || expression == nullptr) return;
  perl5->click();
  window.ListView1->setColumnWidth(0, 250);
  expression->setEditText(QStringLiteral("s/_\\d+|\\(\\d+\\)| //"));
  WaitForPreview(*window.Preview());
  messenger.Save(window, QStringLiteral("main_preview"));
}

void ShootDialog(TShotMessenger& messenger, QDialog& dialog, const QString& name) {
  dialog.show();
  QApplication::processEvents();
  messenger.Save(dialog, name);
  dialog.hide();
}

// The progress windows of a scan with sub-folders and of an apply.
void ShootProgress(TShotMessenger& messenger, const QString& folder) {
  TFBatchProgress scan(nullptr, QStringLiteral("ファイル検索中..."),
                       folder + QStringLiteral("/資料/"));
  scan.Label1->setText(QStringLiteral("283514 個"));
  ShootDialog(messenger, scan, QStringLiteral("progress"));
  TFBatchProgress apply(nullptr, QStringLiteral("リネーム中..."), folder);
  apply.Label1->setText(QStringLiteral("412873 / 1000000 個"));
  ShootDialog(messenger, apply, QStringLiteral("apply_progress"));
}

// The delete and rename dialogs of the list, the candidate-list editor and the two
// help windows of the regular-expression tab.
void ShootListAndHelpDialogs(TShotMessenger& messenger) {
  TFDelete remove;
  ShootDialog(messenger, remove, QStringLiteral("delete"));
  TFReName rename(messenger);
  rename.SetText(QString::fromUtf8(kSampleFiles[1]));
  ShootDialog(messenger, rename, QStringLiteral("rename"));
  TFListBoxModif lists(messenger);
  lists.OpenFor("拡張子", {".txt", ".jpg", ".mp3"});
  ShootDialog(messenger, lists, QStringLiteral("list_editor"));
  TFSeikiHelp perl5(kPerl5HelpTag);
  ShootDialog(messenger, perl5, QStringLiteral("regex_help_perl5"));
  TFSeikiHelp awk(kAwkHelpTag);
  ShootDialog(messenger, awk, QStringLiteral("regex_help_awk"));
}

// The five template dialogs with their default templates, and the codec registry.
void ShootInfoDialogs(TShotMessenger& messenger, const std::string& settings_folder) {
  TTemplateDialogEnv env;
  env.Messenger = &messenger;
  env.SettingsFolder = settings_folder;
  TInfoSettings info = DefaultInfoSettings();
  TFavi avi(env, info.Avi, {});
  ShootDialog(messenger, avi, QStringLiteral("template_avi"));
  TFDateSize date_size(env, info.DateSize, {}, false);
  ShootDialog(messenger, date_size, QStringLiteral("template_date_size"));
  TFJpegGif image(env, info.Image, {});
  ShootDialog(messenger, image, QStringLiteral("template_image"));
  TFmp3 mp3(env, info.Mp3, {});
  ShootDialog(messenger, mp3, QStringLiteral("template_mp3"));
  TFFolderName folder(env, info.Folder, {});
  ShootDialog(messenger, folder, QStringLiteral("template_folder_name"));
  SaveCodecRows(settings_folder, TCodecMode::kVideo, {{"XVID", "XviD"}, {"DIV3", "DivX 3"}});
  TFFourCC codecs(messenger, settings_folder, TCodecMode::kVideo);
  ShootDialog(messenger, codecs, QStringLiteral("codec_registry"));
}

// The history window after three batches on a folder of its own (a replace, a
// numbering and a case change), the newest of them undone.
void ShootHistory(TShotMessenger& messenger, const QString& root,
                  const std::string& settings_folder) {
  const QString folder = QDir(root).filePath(QStringLiteral("写真"));
  if (!QDir().mkpath(folder)) return;
  const std::string location = folder.toStdString() + "/";
  std::vector<std::string> names = {"IMG 001.JPG", "IMG 002.JPG", "IMG 003.JPG"};
  for (const std::string& name : names) std::ofstream(location + name) << name;
  const std::vector<std::vector<std::string>> batches = {
      {"IMG_001.JPG", "IMG_002.JPG", "IMG_003.JPG"},
      {"旅行_1.JPG", "旅行_2.JPG", "旅行_3.JPG"},
      {"旅行_1.jpg", "旅行_2.jpg", "旅行_3.jpg"}};
  TBatchOptions options;
  options.JournalFolder = settings_folder;
  for (const std::vector<std::string>& next : batches) {
    TEntryList entries;
    TConfirmationList rows;
    for (std::size_t i = 0; i < names.size(); ++i) {
      TListData entry;
      entry.Name = *ToCp932(QString::fromStdString(names[i]));
      entry.Location = *ToCp932(folder + QStringLiteral("/"));
      entries.Add(entry);
      rows.push_back(
          {static_cast<std::uint32_t>(i), false, *ToCp932(QString::fromStdString(next[i]))});
    }
    ApplyRenames(entries, rows, {}, options);
    names = next;
  }
  UndoFromJournal(settings_folder, {});
  TFHistory history(THistoryEnv{&messenger, settings_folder, {}, {}});
  ShootDialog(messenger, history, QStringLiteral("history"));
}

}  // namespace

int RenderScreenshots(const QString& out_dir) {
  QTemporaryDir settings_dir;
  QTemporaryDir sample_root;
  if (!settings_dir.isValid() || !sample_root.isValid() || !QDir().mkpath(out_dir)) return 1;
  const QString sample = QDir(sample_root.path()).filePath(QStringLiteral("サンプル"));
  if (!QDir().mkpath(sample) || !MakeSampleFolder(sample)) return 1;

  TShotMessenger messenger(out_dir);
  TMainWindowOptions options;
  options.SettingsFolder = settings_dir.path().toStdString();
  options.FolderArgument = sample;
  options.Messenger = &messenger;
  TFMainFrm window(options);
  window.setWindowState(Qt::WindowNoState);
  window.resize(kShotWidth, kShotHeight);
  window.show();
  QApplication::processEvents();
  ShootTabs(window, messenger);
  ShootConfirmation(window, messenger);
  ShootProblemRows(window, messenger, sample);
  ShootPreview(window, messenger);
  ShootEveryKindOfName(window, messenger, sample_root.path());
  ShootProgress(messenger, sample);
  ShootLaptopScreen(window, messenger);
  ShootListAndHelpDialogs(messenger);
  ShootInfoDialogs(messenger, settings_dir.path().toStdString());
  ShootHistory(messenger, sample_root.path(), settings_dir.path().toStdString());
  window.close();
  // Names that are no UTF-8 text have no QString form the temporary folder could
  // remove them by: they go by their bytes.
  std::error_code error;
  std::filesystem::remove_all(sample_root.path().toStdString(), error);
  if (error) qWarning("%s: %s", qPrintable(sample_root.path()), error.message().c_str());
  return messenger.failures == 0 ? 0 : 1;
}

}  // namespace nalo
