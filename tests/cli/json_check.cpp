// Recursive descent over the small JSON subset: array, object, string. Strings
// are checked byte by byte for UTF-8 well-formedness and unescaped controls.
#include "cli/json_check.h"

#include <cstdint>

namespace nalo::cli::test {
namespace {

class TReader {
 public:
  explicit TReader(const std::string& text) : s_(text) {}

  std::optional<std::vector<TJsonObject>> Rows() {
    std::vector<TJsonObject> rows;
    if (!Take('[')) return std::nullopt;
    if (!Take(']')) {
      do {
        std::optional<TJsonObject> row = Object();
        if (!row) return std::nullopt;
        rows.push_back(std::move(*row));
      } while (Take(','));
      if (!Take(']')) return std::nullopt;
    }
    Space();
    if (i_ != s_.size()) return std::nullopt;
    return rows;
  }

 private:
  void Space() {
    while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\n' || s_[i_] == '\t' || s_[i_] == '\r')) ++i_;
  }
  bool Take(char c) {
    Space();
    if (i_ < s_.size() && s_[i_] == c) {
      ++i_;
      return true;
    }
    return false;
  }

  std::optional<TJsonObject> Object() {
    TJsonObject object;
    if (!Take('{')) return std::nullopt;
    if (Take('}')) return object;
    do {
      std::optional<std::string> key = String();
      if (!key || !Take(':')) return std::nullopt;
      std::optional<std::string> value = String();
      if (!value || object.count(*key) != 0) return std::nullopt;
      object[*key] = *value;
    } while (Take(','));
    if (!Take('}')) return std::nullopt;
    return object;
  }

  std::optional<std::string> String() {
    if (!Take('"')) return std::nullopt;
    std::string out;
    while (i_ < s_.size()) {
      const auto c = static_cast<unsigned char>(s_[i_]);
      if (c == '"') {
        ++i_;
        return out;
      }
      if (c < 0x20) return std::nullopt;
      if (c == '\\') {
        if (!Escape(out)) return std::nullopt;
        continue;
      }
      if (!Utf8Char(out)) return std::nullopt;
    }
    return std::nullopt;
  }

  bool Escape(std::string& out) {
    if (++i_ >= s_.size()) return false;
    const char e = s_[i_++];
    switch (e) {
      case '"': case '\\': case '/': out += e; return true;
      case 'b': out += '\b'; return true;
      case 'f': out += '\f'; return true;
      case 'n': out += '\n'; return true;
      case 'r': out += '\r'; return true;
      case 't': out += '\t'; return true;
      case 'u': break;
      default: return false;
    }
    if (i_ + 4 > s_.size()) return false;
    unsigned code = 0;
    for (int k = 0; k < 4; ++k) {
      const char h = s_[i_++];
      code <<= 4;
      if (h >= '0' && h <= '9') code |= static_cast<unsigned>(h - '0');
      else if (h >= 'a' && h <= 'f') code |= static_cast<unsigned>(h - 'a' + 10);
      else if (h >= 'A' && h <= 'F') code |= static_cast<unsigned>(h - 'A' + 10);
      else return false;
    }
    if (code >= 0x80) return false;  // the printer escapes only ASCII controls
    out += static_cast<char>(code);
    return true;
  }

  // Copies one well-formed UTF-8 character.
  bool Utf8Char(std::string& out) {
    const auto lead = static_cast<unsigned char>(s_[i_]);
    std::size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead < 0xE0 ? 2
                       : lead >= 0xE0 && lead < 0xF0 ? 3 : lead >= 0xF0 && lead < 0xF5 ? 4 : 0;
    if (length == 0 || i_ + length > s_.size()) return false;
    std::uint32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
      const auto b = static_cast<unsigned char>(s_[i_ + k]);
      if ((b & 0xC0) != 0x80) return false;
      code = (code << 6) | (b & 0x3F);
    }
    static const std::uint32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kMinimum[length] || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000)) return false;
    out.append(s_, i_, length);
    i_ += length;
    return true;
  }

  const std::string& s_;
  std::size_t i_ = 0;
};

}  // namespace

std::optional<std::vector<TJsonObject>> ParseJsonRows(const std::string& text) {
  return TReader(text).Rows();
}

}  // namespace nalo::cli::test
