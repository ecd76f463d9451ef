// Font families are looked up in QFontDatabase; the stand-ins are the IPA fonts
// the set-up script installs, then other common Japanese families.
#include "ui/list_look.h"

#include <QApplication>
#include <QFontDatabase>
#include <QHeaderView>
#include <QPalette>
#include <QTableView>
#include <QWidget>
#include <array>

#include "settings/windows_color.h"
#include "ui/qt_text.h"
#include "ui/system_color.h"

namespace nalo {
namespace {

constexpr std::array<const char*, 5> kJapaneseStandIns = {
    "IPAPGothic", "IPA Pゴシック", "IPAGothic", "Noto Sans CJK JP", "VL PGothic"};

bool IsInstalled(const QString& family) {
  return !family.isEmpty() && QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

}  // namespace

QColor ColorFromWindows(std::int32_t bgr) {
  if (const std::optional<int> system = SystemColorIndex(bgr)) return SystemPaletteColor(*system);
  const auto v = static_cast<std::uint32_t>(bgr);
  return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                static_cast<int>((v >> 16) & 0xFF));
}

QString InstalledFontFamily(const QString& family) {
  if (IsInstalled(family)) return family;
  for (const char* stand_in : kJapaneseStandIns) {
    const QString name = QString::fromUtf8(stand_in);
    if (IsInstalled(name)) return name;
  }
  return QApplication::font().family();
}

QFont ListFont(const TListViewOptions& options) {
  QFont font(InstalledFontFamily(FromCp932(options.FontName)));
  font.setPointSize(FontPointSize(options));
  return font;
}

void ApplyListColors(QWidget* widget, const QColor& text, const QColor& background) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Base, background);
  palette.setColor(QPalette::Window, background);
  palette.setColor(QPalette::Text, text);
  palette.setColor(QPalette::WindowText, text);
  palette.setColor(QPalette::ButtonText, text);
  palette.setColor(QPalette::Button, background);
  widget->setAutoFillBackground(true);
  widget->setPalette(palette);
}

QTableView* NewReportView(QWidget* parent, const char* object_name, QAbstractItemModel* model) {
  auto* view = new QTableView(parent);
  view->setObjectName(object_name);
  view->setModel(model);
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->setSelectionMode(QAbstractItemView::ExtendedSelection);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->setContextMenuPolicy(Qt::CustomContextMenu);
  view->setShowGrid(false);
  view->verticalHeader()->hide();
  view->horizontalHeader()->setSectionsClickable(true);
  return view;
}

}  // namespace nalo
