// The shared frame of the template dialogs. The preview follows every change of
// the template and of the option controls; OK validates the preview the user sees.
#include "fileinfo/gui/template_dialog.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "fileinfo/info_settings.h"
#include "fileinfo/template_preview.h"
#include "rules/gui/frm_seiki_help.h"
#include "settings/ini_file.h"
#include "settings/settings_folder.h"
#include "ui/dialog_buttons.h"
#include "ui/messenger.h"
#include "ui/qt_text.h"

namespace nalo {
namespace {

// Wide enough for a long template.
constexpr int kTemplateWidth = 360;
// Tall enough for the longest parts list (nine tags) without scrolling.
constexpr int kPartsHeight = 170;

QToolButton* NewToolButton(QWidget* parent, const char* name, const QString& text,
                           const QString& hint) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setText(text);
  button->setToolTip(hint);
  return button;
}

QStringList ToQStrings(const TextLines& lines) {
  QStringList list;
  for (std::string_view line : lines) list << FromUtf8(line);
  return list;
}

}  // namespace

std::tm TodayLocal() {
  const std::time_t now = std::time(nullptr);
  std::tm local {};
  localtime_r(&now, &local);
  return local;
}

TTemplateDialog::TTemplateDialog(TTemplateDialogEnv env, TTemplateDialogTexts texts,
                                 const char* parts_name, const char* second_parts_name,
                                 QWidget* parent)
    : QDialog(parent), env_(std::move(env)), texts_(std::move(texts)) {
  setWindowTitle(FromUtf8(texts_.Title));
  setModal(true);
  cmb_Format = new QComboBox(this);
  cmb_Format->setObjectName("cmb_Format");
  cmb_Format->setEditable(true);
  cmb_Format->setInsertPolicy(QComboBox::NoInsert);
  cmb_Format->setMinimumWidth(kTemplateWidth);
  edt_Preview = new QLineEdit(this);
  edt_Preview->setObjectName("edt_Preview");
  edt_Preview->setReadOnly(true);
  preview_label_ = new QLabel(QStringLiteral("プレビュー"), this);
  connect(cmb_Format, &QComboBox::editTextChanged, this, &TTemplateDialog::RefreshPreview);

  auto* fields = new QGridLayout;
  fields->addWidget(new QLabel(QStringLiteral("作成"), this), 0, 0);
  fields->addWidget(cmb_Format, 0, 1);
  fields->addWidget(preview_label_, 1, 0);
  fields->addWidget(edt_Preview, 1, 1);

  auto* parts_row = new QHBoxLayout;
  QListWidget* parts = NewPartsList(parts_name, texts_.Parts);
  auto* add = NewToolButton(this, "SpeedButton1", QStringLiteral("＋"), QStringLiteral("パーツを追加"));
  auto* help = NewToolButton(this, "spd_Help", QStringLiteral("？"), QStringLiteral("簡易ヘルプ"));
  connect(add, &QToolButton::clicked, this, [this, parts] { AddPart(parts, nullptr); });
  connect(help, &QToolButton::clicked, this, [this] { ShowHelp(texts_.Parts); });
  auto* part_buttons = new QVBoxLayout;
  part_buttons->addWidget(add);
  part_buttons->addWidget(help);
  part_buttons->addStretch(1);
  parts_row->addWidget(new QLabel(QStringLiteral("パーツ"), this));
  parts_row->addWidget(parts);
  parts_row->addLayout(part_buttons);
  if (!texts_.SecondParts.Tags.empty()) {
    QListWidget* second = NewPartsList(second_parts_name, texts_.SecondParts);
    auto* add2 = NewToolButton(this, "SpeedButton2", QStringLiteral("＋"), QStringLiteral("パーツを追加"));
    auto* help2 = NewToolButton(this, "SpeedButton3", QStringLiteral("？"), QStringLiteral("簡易ヘルプ"));
    connect(add2, &QToolButton::clicked, this, [this, second] { AddPart(second, SecondPartsTarget()); });
    connect(help2, &QToolButton::clicked, this, [this] { ShowHelp(texts_.SecondParts); });
    auto* buttons2 = new QVBoxLayout;
    buttons2->addWidget(add2);
    buttons2->addWidget(help2);
    buttons2->addStretch(1);
    parts_row->addWidget(second);
    parts_row->addLayout(buttons2);
  }

  options_ = new QVBoxLayout;
  auto* edit = NamedButton(this, "SpeedButton4", QStringLiteral("編集(&T)..."));
  connect(edit, &QPushButton::clicked, this, &TTemplateDialog::EditCandidates);
  auto* ok = NamedButton(this, "BitBtn2", QStringLiteral("OK"));
  ok->setDefault(true);
  auto* cancel = NamedButton(this, "BitBtn3", QStringLiteral("キャンセル"));
  connect(ok, &QPushButton::clicked, this, &TTemplateDialog::OkClick);
  connect(cancel, &QPushButton::clicked, this, &TTemplateDialog::reject);
  QHBoxLayout* buttons = RightAlignedRow({ok, cancel});
  buttons->insertWidget(0, edit);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addLayout(parts_row);
  layout->addLayout(options_);
  layout->addLayout(buttons);
}

QListWidget* TTemplateDialog::NewPartsList(const char* object_name, const TTemplateParts& parts) {
  auto* list = new QListWidget(this);
  list->setObjectName(object_name);
  list->addItems(ToQStrings(parts.Tags));
  list->setMaximumHeight(kPartsHeight);
  return list;
}

void TTemplateDialog::Start(const std::string& template_text,
                            const std::vector<std::string>& candidates) {
  for (const std::string& item : candidates) cmb_Format->addItem(FromCp932(item));
  cmb_Format->setEditText(FromCp932(template_text));
  RefreshPreview();
}

QComboBox* TTemplateDialog::NewChoiceBox(const char* object_name, const TextLines& items,
                                         int index) {
  auto* combo = new QComboBox(this);
  combo->setObjectName(object_name);
  combo->addItems(ToQStrings(items));
  combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : 0);
  RefreshOn(combo);
  return combo;
}

void TTemplateDialog::RefreshOn(QComboBox* combo) {
  connect(combo, &QComboBox::currentIndexChanged, this, &TTemplateDialog::RefreshPreview);
}

std::string TTemplateDialog::TemplateCp932() const {
  return ToCp932(cmb_Format->currentText()).value_or(std::string());
}

void TTemplateDialog::RefreshPreview() {
  const QString preview = FromCp932(PreviewText());
  edt_Preview->setText(preview);
  edt_Preview->setToolTip(preview);
}

void TTemplateDialog::AddPart(QListWidget* list, QLineEdit* target) {
  QListWidgetItem* item = list->currentItem();
  if (item == nullptr || !item->isSelected()) return;
  if (target == nullptr) {
    cmb_Format->setEditText(cmb_Format->currentText() + item->text());
  } else {
    target->setText(target->text() + item->text());
  }
  RefreshPreview();
}

void TTemplateDialog::ShowHelp(const TTemplateParts& parts) {
  TFSeikiHelp help(1, this);
  help.SetText(FromUtf8(TemplateHelpText(parts)));
  env_.Messenger->ExecModal(help);
}

void TTemplateDialog::EditCandidates() {
  if (!env_.EditList) return;
  std::vector<std::string> items;
  for (int i = 0; i < cmb_Format->count(); ++i) {
    items.push_back(ToCp932(cmb_Format->itemText(i)).value_or(std::string()));
  }
  const auto edited = env_.EditList(this, FromUtf8(texts_.ListEditorTitle), items);
  if (!edited) return;
  const QString text = cmb_Format->currentText();
  cmb_Format->clear();
  for (const std::string& item : *edited) cmb_Format->addItem(FromCp932(item));
  cmb_Format->setEditText(text);  // the template itself stays as it was
  try {
    SaveCandidateSection(MainSettingsPath(env_.SettingsFolder), texts_.CandidateSection, *edited);
  } catch (const EIniWriteError& e) {
    env_.Messenger->Error(this, FromUtf8(e.what()));
  }
}

void TTemplateDialog::OkClick() {
  if (!PreviewFitsFileName(ToCp932(edt_Preview->text()).value_or(std::string("?")))) {
    may_close_ = false;
    env_.Messenger->Warn(this, FromUtf8(kTemplateRefusal));
    return;
  }
  may_close_ = true;
  try {
    TIniFile ini(MainSettingsPath(env_.SettingsFolder));
    Store(ini);
    ini.Save();
  } catch (const EIniWriteError& e) {
    env_.Messenger->Error(this, FromUtf8(e.what()));  // the record is stored; the file kept
  }
  accept();
}

void TTemplateDialog::reject() {
  may_close_ = true;  // Cancel always closes, without storing
  QDialog::reject();
}

void TTemplateDialog::closeEvent(QCloseEvent* event) {
  if (!may_close_) {
    env_.Messenger->Warn(this, FromUtf8(kTemplateRefusal));
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

void TTemplateDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  RefreshPreview();
  cmb_Format->setFocus();
}

}  // namespace nalo
