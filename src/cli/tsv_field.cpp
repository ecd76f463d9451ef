#include "cli/tsv_field.h"

#include "text/sjis.h"

namespace nalo::cli {
namespace {

// A byte that stands for itself whatever follows it: printable ASCII but "\", and
// in UTF-8 every byte of a multi-byte character (in CP932 such a byte may begin a
// double-byte character and goes the long way).
bool PassesAsItIs(unsigned char byte, bool cp932) {
  return byte >= 0x20 && byte != 0x7F && byte != '\\' && (!cp932 || byte < 0x80);
}

}  // namespace

void AppendTsvField(std::string& out, std::string_view text, bool cp932) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  for (std::size_t i = 0; i < text.size(); ++i) {
    std::size_t run = i;  // plain bytes go in one piece
    while (run < text.size() && PassesAsItIs(static_cast<unsigned char>(text[run]), cp932)) ++run;
    if (run > i) {
      out.append(text.data() + i, run - i);
      i = run - 1;
      continue;
    }
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
