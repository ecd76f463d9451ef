#include "execution/gui/problem_marks.h"

namespace nalo {

QString ProblemHint(TRowClash clash) {
  switch (clash) {
    case TRowClash::kExists:
      return QStringLiteral("変更後の名前の項目が既にあるため、リネームできません");
    case TRowClash::kDuplicate:
      return QStringLiteral("前の行が同じ名前にリネームするため、リネームできません");
    case TRowClash::kInvalid: return QStringLiteral("使えない文字を含むか、空の名前です");
    case TRowClash::kTooLong: return QStringLiteral("ファイルシステムの許す長さを超えています");
    case TRowClash::kNone: break;
  }
  return {};
}

QColor ProblemColour() { return QColor(0xFF, 0x70, 0x60); }

}  // namespace nalo
