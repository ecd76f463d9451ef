#include "cli/tsv_field.h"

#include "text/sjis.h"

namespace nalo::cli {

void AppendTsvField(std::string& out, std::string_view text, bool cp932) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (cp932 && CharLengthAt(text, i) == 2) {
      out.append(text.substr(i, 2));
      ++i;
      continue;
    }
    const char c = text[i];
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '\\': out += "\\\\"; continue;
      case '\t': out += "\\t"; continue;
      case '\r': out += "\\r"; continue;
      case '\n': out += "\\n"; continue;
      default: break;
    }
    if (byte < 0x20 || byte == 0x7F) {
      out += "\\x";
      out += kHex[byte >> 4];
      out += kHex[byte & 0xF];
    } else {
      out += c;
    }
  }
}

}  // namespace nalo::cli
