// Every conversion goes through the checked iconv layer of the platform folder.
#include "ui/qt_text.h"

#include "platform/encoding.h"
#include "platform/user_area_table.h"

namespace nalo {

QString FromCp932(std::string_view cp932) {
  const std::string utf8 = Cp932ToUtf8Lossy(cp932);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString FromUtf8(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::optional<std::string> ToCp932(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return Utf8ToCp932(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

QString FirstUnencodableChar(const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    const qsizetype len = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    const QString one = text.mid(i, len);
    if (!ToCp932(one)) return one;
    i += len - 1;
  }
  return {};
}

QString UnencodableTextMessage(const QString& character) {
  return QStringLiteral("「%1」は使えません。コードページ 932 にない文字は %2 種類までです。")
      .arg(character)
      .arg(kUserAreaCodes);
}

}  // namespace nalo
