// Printing entries and rows. TSV follows the user's encoding; JSON is always
// UTF-8 (bytes without a CP932 meaning become U+FFFD), so its output stays valid
// JSON whatever the names hold.
#include "cli/output.h"

#include <cstdio>
#include <optional>

#include "cli/row_writer.h"
#include "cli/tsv_field.h"

namespace nalo::cli {
namespace {

// The texts of a JSON document: UTF-8 whatever --encoding says.
const TUserText& ShownText(TFormat format, const TUserText& text) {
  static const TUserText kUtf8(false);
  return format == TFormat::Json ? kUtf8 : text;
}

}  // namespace

void PrintJsonObject(std::ostream& out,
                     const std::vector<std::pair<std::string_view, std::string>>& fields) {
  out << "{";
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) out << ",";
    out << JsonString(fields[i].first) << ":" << JsonString(fields[i].second);
  }
  out << "}";
}

namespace {

void EscapeUtf8Field(std::string_view text, std::string& out) { AppendTsvField(out, text, false); }
void EscapeCp932Field(std::string_view text, std::string& out) { AppendTsvField(out, text, true); }

// One record per entry, formatted into the writer's buffer without a string per row.
void PrintEntriesPlain(std::ostream& out, const TEntryList& entries, TFormat format,
                       const TUserText& text) {
  TRowWriter writer(out, text, StyleOf(format, text));
  TRepeatedText size_memo, location_memo;  // "フォルダ" in folder mode; the folder
  TCellText cell, date_cell;
  std::optional<double> date_day;  // the last write date_cell shows
  for (const TListData& e : entries.Items()) {
    writer.Text(e.Name);
    writer.Tab();
    writer.Text(e.SizeTextIn(cell), size_memo);
    writer.Tab();
    if (date_day != e.Modified) {  // files of one folder often share their minute
      e.DateTextIn(date_cell);
      date_day = e.Modified;
    }
    writer.Plain(date_cell.View());
    writer.Tab();
    writer.Text(e.Location.str(), location_memo);
    writer.EndRow();
  }
}

void PrintRowsPlain(std::ostream& out, const TEntryList& entries, const TConfirmationList& rows,
                    const std::vector<std::string_view>& problems, TFormat format,
                    const TUserText& text) {
  TRowWriter writer(out, text, StyleOf(format, text));
  TRepeatedText folder_memo;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const TConfirmationRow& r = rows[i];
    writer.Text(RowOldName(entries, r));
    writer.Tab();
    writer.Text(r.NewName);
    writer.Tab();
    writer.Text(RowFolder(entries, r), folder_memo);
    writer.Tab();
    writer.Plain(i < problems.size() ? problems[i] : std::string_view());
    writer.EndRow();
  }
}

}  // namespace

TRowStyle StyleOf(TFormat format, const TUserText& text) {
  TRowStyle style;
  if (format == TFormat::Null) {
    style.FieldEnd = '\0';
    style.RowEnd = '\0';
  } else {
    style.Escape = text.IsCp932() ? &EscapeCp932Field : &EscapeUtf8Field;
  }
  return style;
}

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
  if (format != TFormat::Json) {
    PrintEntriesPlain(out, entries, format, user_text);
    return;
  }
  const TUserText& text = ShownText(format, user_text);
  out << "[";
  for (std::size_t i = 0; i < entries.Count(); ++i) {
    const TListData& e = entries.EntryAt(i);
    if (i > 0) out << ",";
    out << "\n  ";
    std::vector<std::pair<std::string_view, std::string>> fields = {
        {"name", text.FromCore(e.Name)},
        {"size", text.FromCore(e.SizeText())},
        {"date", text.FromCore(e.DateText())},
        {"location", text.FromCore(e.Location)}};
    if (e.Legacy) fields.emplace_back("encoding", "cp932");  // the name's bytes on disk
    PrintJsonObject(out, fields);
  }
  out << "\n]\n";
}

void PrintRows(std::ostream& out, const TEntryList& entries, const TConfirmationList& rows,
               const std::vector<std::string_view>& problems, TFormat format,
               const TUserText& user_text) {
  if (format != TFormat::Json) {
    PrintRowsPlain(out, entries, rows, problems, format, user_text);
    return;
  }
  const TUserText& text = ShownText(format, user_text);
  out << "[";
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const TConfirmationRow& r = rows[i];
    const std::string problem(i < problems.size() ? problems[i] : std::string_view());
    if (i > 0) out << ",";
    out << "\n  ";
    PrintJsonObject(out, {{"old", text.FromCore(RowOldName(entries, r))},
                          {"new", text.FromCore(r.NewName)},
                          {"folder", text.FromCore(RowFolder(entries, r))},
                          {"problem", problem}});
  }
  out << "\n]\n";
}

}  // namespace nalo::cli
