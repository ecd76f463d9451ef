// Conversions between the user's encoding and the core's code page 932.
#include "cli/user_text.h"

#include "platform/encoding.h"
#include "platform/user_area_table.h"

namespace nalo::cli {
namespace {

std::string TableFullMessage(std::string_view what, std::string_view text) {
  return std::string(what) + " を表せません（コードページ 932 にない文字が " +
         std::to_string(kUserAreaCodes) + " 種類を超えました）: " + std::string(text);
}

}  // namespace

std::string TUserText::ToCore(std::string_view text, std::string_view what) const {
  if (cp932_) return std::string(text);
  std::optional<std::string> cp932 = Utf8ToCp932(text);
  if (!cp932) {
    throw EUsageError(TableFullMessage(what, text));
  }
  return *cp932;
}

std::string TUserText::FromCore(std::string_view cp932) const {
  std::string out;
  FromCoreInto(cp932, out);
  return out;
}

void TUserText::FromCoreInto(std::string_view cp932, std::string& out) const {
  if (cp932_) {
    out.assign(cp932);
  } else {
    out = Cp932ToUtf8Lossy(cp932);
  }
}

std::string PathToCore(std::string_view utf8_path) {
  std::optional<std::string> cp932 = Utf8ToCp932(utf8_path);
  if (!cp932) {
    throw EUsageError(TableFullMessage("パス", utf8_path));
  }
  return *cp932;
}

}  // namespace nalo::cli
