// Printing entries and rows. TSV follows the user's encoding; JSON is always
// UTF-8 (bytes without a CP932 meaning become U+FFFD), so its output stays valid
// JSON whatever the names hold.
#include "cli/output.h"

#include <cstdio>

#include "cli/tsv_field.h"

namespace nalo::cli {
namespace {

// The texts of a JSON document: UTF-8 whatever --encoding says.
const TUserText& ShownText(TFormat format, const TUserText& text) {
  static const TUserText kUtf8(false);
  return format == TFormat::Json ? kUtf8 : text;
}

void PrintJsonObject(std::ostream& out, const std::vector<std::pair<std::string_view, std::string>>& fields) {
  out << "{";
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) out << ",";
    out << JsonString(fields[i].first) << ":" << JsonString(fields[i].second);
  }
  out << "}";
}

// One record of tab-separated fields (escaped) or of NUL-terminated fields (raw).
void PrintFields(std::ostream& out, TFormat format, bool cp932,
                 std::initializer_list<std::string_view> fields) {
  std::string line;
  bool first = true;
  for (std::string_view field : fields) {
    if (format == TFormat::Null) {
      line.append(field);
      line += '\0';
      continue;
    }
    if (!first) line += '\t';
    first = false;
    AppendTsvField(line, field, cp932);
  }
  if (format == TFormat::Tsv) line += '\n';
  out << line;
}

}  // namespace

TFormat FormatOf(const std::string& name, bool null) {
  if (null) {
    if (name == "json") throw EUsageError("--null は --format json とは使えません");
    return TFormat::Null;
  }
  if (name == "tsv") return TFormat::Tsv;
  if (name == "json") return TFormat::Json;
  throw EUsageError("--format は tsv か json です: " + name);
}

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", byte);
      out += escape;
    } else {
      out += c;
    }
  }
  out += '"';
  return out;
}

void PrintEntries(std::ostream& out, const TEntryList& entries, TFormat format,
                  const TUserText& user_text) {
  const TUserText& text = ShownText(format, user_text);
  if (format == TFormat::Json) out << "[";
  for (std::size_t i = 0; i < entries.Count(); ++i) {
    const TListData& e = entries.EntryAt(i);
    if (format != TFormat::Json) {
      PrintFields(out, format, text.IsCp932(), {text.FromCore(e.Name), text.FromCore(e.SizeText()),
                                text.FromCore(e.DateText()), text.FromCore(e.Location)});
      continue;
    }
    if (i > 0) out << ",";
    out << "\n  ";
    PrintJsonObject(out, {{"name", text.FromCore(e.Name)},
                          {"size", text.FromCore(e.SizeText())},
                          {"date", text.FromCore(e.DateText())},
                          {"location", text.FromCore(e.Location)}});
  }
  if (format == TFormat::Json) out << "\n]\n";
}

void PrintRows(std::ostream& out, const TConfirmationList& rows,
               const std::vector<std::string_view>& problems, TFormat format,
               const TUserText& user_text) {
  const TUserText& text = ShownText(format, user_text);
  if (format == TFormat::Json) out << "[";
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const TConfirmationRow& r = rows[i];
    const std::string problem(i < problems.size() ? problems[i] : std::string_view());
    if (format != TFormat::Json) {
      PrintFields(out, format, text.IsCp932(), {text.FromCore(r.OldName), text.FromCore(r.NewName),
                                text.FromCore(r.Folder), problem});
      continue;
    }
    if (i > 0) out << ",";
    out << "\n  ";
    PrintJsonObject(out, {{"old", text.FromCore(r.OldName)},
                          {"new", text.FromCore(r.NewName)},
                          {"folder", text.FromCore(r.Folder)},
                          {"problem", problem}});
  }
  if (format == TFormat::Json) out << "\n]\n";
}

}  // namespace nalo::cli
