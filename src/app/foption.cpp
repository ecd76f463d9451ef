// The dialog is built in code with the object names the program's parts and the
// tests look for: four pages, each with one group box, and OK / Cancel below.
// The preview line takes the colours and font family from the pickers and the
// point size from the size list whenever one of them changes.
#include "app/foption.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "settings/options_dialog_values.h"
#include "ui/color_picker.h"
#include "ui/font_name_picker.h"
#include "ui/list_look.h"

namespace nalo {
namespace {

QWidget* PageWithGroup(const char* group_name, const QString& caption, QWidget* content) {
  auto* group = new QGroupBox(caption);
  group->setObjectName(group_name);
  auto* group_layout = new QVBoxLayout(group);
  group_layout->addWidget(content);
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(group);
  layout->addStretch(1);
  return page;
}

QCheckBox* CheckBox(const char* name, const QString& caption) {
  auto* box = new QCheckBox(caption);
  box->setObjectName(name);
  return box;
}

QPushButton* Button(const char* name, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

TFOption::TFOption(QWidget* parent) : QDialog(parent) {
  setObjectName("FOption");
  setWindowTitle(QStringLiteral("設定画面"));
  setModal(true);
  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName("PageControl1");
  struct Page {
    const char* name;
    QString caption;
    QWidget* widget;
  };
  const Page pages[] = {
      {"TabSheet1", QStringLiteral("起動設定"), BuildStartPage()},
      {"TabSheet2", QStringLiteral("検索設定"), BuildSearchPage()},
      {"TabSheet4", QStringLiteral("リネーム設定"), BuildRenamePage()},
      {"TabSheet3", QStringLiteral("リストビュー設定"), BuildListViewPage()},
  };
  for (const Page& page : pages) {
    page.widget->setObjectName(page.name);
    PageControl1->addTab(page.widget, page.caption);
  }

  BitBtn2 = Button("BitBtn2", QStringLiteral("OK"), this);
  BitBtn2->setDefault(true);
  BitBtn1 = Button("BitBtn1", QStringLiteral("キャンセル"), this);
  connect(BitBtn2, &QPushButton::clicked, this, &QDialog::accept);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(BitBtn2);
  buttons->addWidget(BitBtn1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(PageControl1);
  layout->addLayout(buttons);
  LoadOptions(TOptionsSettings{});
}

QWidget* TFOption::BuildStartPage() {
  chk_StartFormMAX = CheckBox("chk_StartFormMAX", QStringLiteral("フォームを最大化で起動"));
  return PageWithGroup("GroupBox1", QStringLiteral("起動時設定"), chk_StartFormMAX);
}

QWidget* TFOption::BuildSearchPage() {
  chk_SubFolderOpt = CheckBox("chk_SubFolderOpt", QStringLiteral("サブフォルダも検索する"));
  return PageWithGroup("GroupBox2", QStringLiteral("検索設定"), chk_SubFolderOpt);
}

QWidget* TFOption::BuildRenamePage() {
  chk_Trim = CheckBox("chk_Trim", QStringLiteral("ファイル名の前後の空白を削除"));
  return PageWithGroup("GroupBox4", QStringLiteral("リネーム後の設定"), chk_Trim);
}

QWidget* TFOption::BuildListViewPage() {
  return PageWithGroup("GroupBox3", QStringLiteral("リストビュー表示設定"), BuildLookGroup());
}

QWidget* TFOption::BuildLookGroup() {
  FontNameComboBox1 = new TFontNamePicker("FontNameComboBox1");
  CCmb_Font = new TColorPicker("CCmb_Font");
  CCmb_Back = new TColorPicker("CCmb_Back");
  cmb_Size = new QComboBox;
  cmb_Size->setObjectName("cmb_Size");
  for (const char* item : kFontSizeItems) cmb_Size->addItem(QString::fromUtf8(item));
  Edit1 = new QLineEdit(QStringLiteral("【サンプル】 TestString"));
  Edit1->setObjectName("Edit1");
  Edit1->setReadOnly(true);
  BitBtn3 = Button("BitBtn3", QStringLiteral("デフォルト設定(&D)"), nullptr);
  BitBtn4 = Button("BitBtn4", QStringLiteral("Windows標準(&W)"), nullptr);

  connect(FontNameComboBox1, &QComboBox::currentIndexChanged, this, &TFOption::ComboClick);
  connect(CCmb_Font, &TColorPicker::ColorValueChanged, this, &TFOption::ComboClick);
  connect(CCmb_Back, &TColorPicker::ColorValueChanged, this, &TFOption::ComboClick);
  connect(cmb_Size, &QComboBox::currentIndexChanged, this, &TFOption::ComboClick);
  connect(BitBtn3, &QPushButton::clicked, this, &TFOption::BitBtn3Click);
  connect(BitBtn4, &QPushButton::clicked, this, &TFOption::BitBtn4Click);

  auto* content = new QWidget;
  auto* form = new QFormLayout(content);
  form->addRow(QStringLiteral("リストビューフォント"), FontNameComboBox1);
  form->addRow(QStringLiteral("フォントカラー"), CCmb_Font);
  form->addRow(QStringLiteral("背景カラー"), CCmb_Back);
  form->addRow(QStringLiteral("フォントサイズ"), cmb_Size);
  form->addRow(QStringLiteral("プレビュー"), Edit1);
  auto* presets = new QHBoxLayout;
  presets->addWidget(BitBtn3);
  presets->addWidget(BitBtn4);
  form->addRow(presets);
  return content;
}

void TFOption::LoadOptions(const TOptionsSettings& options) {
  chk_StartFormMAX->setChecked(options.Chk_FormMax);
  chk_SubFolderOpt->setChecked(options.SubFolder);
  chk_Trim->setChecked(options.StrTrim);
  ApplyLook(options.ListView);
  loaded_size_ = options.ListView.FontSize;
}

void TFOption::ApplyLook(const TListViewOptions& look) {
  cmb_Size->setCurrentIndex(FontSizeItemIndex(look.FontSize));
  CCmb_Font->SetColorValue(look.FontColor);
  CCmb_Back->SetColorValue(look.BackColor);
  FontNameComboBox1->SetFontName(look.FontName);
  ComboClick();
}

TOptionsSettings TFOption::Options() const {
  TOptionsSettings options;
  options.Chk_FormMax = chk_StartFormMAX->isChecked();
  options.SubFolder = chk_SubFolderOpt->isChecked();
  options.StrTrim = chk_Trim->isChecked();
  options.ListView.FontColor = CCmb_Font->ColorValue();
  options.ListView.BackColor = CCmb_Back->ColorValue();
  options.ListView.FontName = FontNameComboBox1->FontName();
  options.ListView.FontSize = FontSizeForItem(cmb_Size->currentIndex(), loaded_size_);
  return options;
}

void TFOption::BitBtn3Click() { ApplyLook(DefaultLookPreset()); }

void TFOption::BitBtn4Click() { ApplyLook(WindowsLookPreset()); }

void TFOption::ComboClick() {
  ApplyListColors(Edit1, ColorFromWindows(CCmb_Font->ColorValue()),
                  ColorFromWindows(CCmb_Back->ColorValue()));
  QFont font = Edit1->font();
  font.setFamily(InstalledFontFamily(FontNameComboBox1->currentText()));
  if (!cmb_Size->currentText().isEmpty()) font.setPointSize(cmb_Size->currentText().toInt());
  Edit1->setFont(font);
}

}  // namespace nalo
