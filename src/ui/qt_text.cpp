// Every conversion goes through the checked iconv layer of the platform folder.
#include "ui/qt_text.h"

#include "platform/encoding.h"
#include "platform/user_area_table.h"
#include "text/sjis.h"

namespace nalo {
namespace {

constexpr char16_t kStrayByteBase = 0xDC00;  // + the byte value (0x80-0xFF)

QString LossyText(std::string_view cp932) {
  const std::string utf8 = Cp932ToUtf8Lossy(cp932);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// The byte a table code stands for, when it stands for a stray byte.
std::optional<unsigned char> StrayByteAt(std::string_view cp932, std::size_t i) {
  if (!IsUserAreaLead(static_cast<unsigned char>(cp932[i])) || i + 1 >= cp932.size()) return {};
  const auto code = static_cast<std::uint16_t>(static_cast<unsigned char>(cp932[i]) << 8 |
                                               static_cast<unsigned char>(cp932[i + 1]));
  const std::optional<TForeignUnit> unit = TUserAreaTable::Process().UnitOf(code);
  if (!unit || !IsByteUnit(*unit)) return {};
  return static_cast<unsigned char>(*unit - kByteUnitBase);
}

bool IsStrayByteChar(QChar c) {
  return c.unicode() >= kStrayByteBase + 0x80 && c.unicode() <= kStrayByteBase + 0xFF;
}

}  // namespace

QString FromCp932(std::string_view cp932) {
  QString out;
  std::size_t run = 0;
  for (std::size_t i = 0; i < cp932.size(); i += CharLengthAt(cp932, i)) {
    const std::optional<unsigned char> stray = StrayByteAt(cp932, i);
    if (!stray) continue;
    out += LossyText(cp932.substr(run, i - run));
    out += QChar(static_cast<char16_t>(kStrayByteBase + *stray));
    run = i + 2;
  }
  if (run == 0) return LossyText(cp932);
  return out + LossyText(cp932.substr(run));
}

QString FromUtf8(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::optional<std::string> ToCp932(const QString& text) {
  std::string out;
  qsizetype run = 0;
  const auto flush = [&](qsizetype end) {
    const QByteArray utf8 = text.mid(run, end - run).toUtf8();
    const std::optional<std::string> part =
        Utf8ToCp932(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
    if (part) out += *part;
    return part.has_value();
  };
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (!IsStrayByteChar(text.at(i))) continue;
    if (!flush(i)) return std::nullopt;
    const auto byte = static_cast<TForeignUnit>(text.at(i).unicode() - kStrayByteBase);
    const std::optional<std::uint16_t> code =
        TUserAreaTable::Process().CodeFor(kByteUnitBase + byte);
    if (!code) return std::nullopt;
    out += static_cast<char>(*code >> 8);
    out += static_cast<char>(*code & 0xFF);
    run = i + 1;
  }
  if (!flush(text.size())) return std::nullopt;
  return out;
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
