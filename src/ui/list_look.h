// The look of the entry list and the folder box from the settings: Windows colour
// values (0x00BBGGRR, or a system colour of the desktop) become QColors, and a
// font that is not installed (the saved default "ＭＳ Ｐゴシック" never is) is
// replaced by an installed Japanese font. Also the report list both list windows
// use.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <cstdint>

#include "settings/options_settings.h"

class QWidget;

class QAbstractItemModel;
class QTableView;

namespace nalo {

QColor ColorFromWindows(std::int32_t bgr);

// The installed family to use for `family`: itself when installed, else the
// first installed of the Japanese stand-ins, else the application's font family.
QString InstalledFontFamily(const QString& family);

// The list font: family from the options (mapped), size in points.
QFont ListFont(const TListViewOptions& options);

// Text and background colours on a widget's palette (base/text and window/text).
void ApplyListColors(QWidget* widget, const QColor& text, const QColor& background);

// A read-only report list over `model`: whole rows selected, several at a time, no
// grid, no row numbers, a context menu of the owner's, sortable column headers.
QTableView* NewReportView(QWidget* parent, const char* object_name, QAbstractItemModel* model);

}  // namespace nalo
