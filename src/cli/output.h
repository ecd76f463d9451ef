// Printing entries and confirmation rows as tab-separated lines, as NUL-terminated
// fields or as JSON. Tab-separated texts are printed in the user's encoding with
// the escapes of tsv_field.h; NUL-terminated fields are raw, each field closed by
// a NUL byte; JSON is UTF-8 and its strings escape quotes, the backslash and
// control characters.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/row_writer.h"
#include "cli/user_text.h"
#include "listing/list_data.h"
#include "rules/confirmation_row.h"

namespace nalo::cli {

enum class TFormat { Tsv, Null, Json };

// The format of --format `name` and --null.
TFormat FormatOf(const std::string& name, bool null);

// The row style of a plain format: TSV escapes each text field and ends rows
// with LF; the NUL format writes names raw and ends every field with a NUL byte.
TRowStyle StyleOf(TFormat format, const TUserText& text);

// One JSON object of string fields, in order.
void PrintJsonObject(std::ostream& out,
                     const std::vector<std::pair<std::string_view, std::string>>& fields);

// name, size, date, location per entry.
void PrintEntries(std::ostream& out, const TEntryList& entries, TFormat format,
                  const TUserText& text);

// old, new, folder, problem per row of `rows` (made from `entries`); `problems`
// has one text per row.
void PrintRows(std::ostream& out, const TEntryList& entries, const TConfirmationList& rows,
               const std::vector<std::string_view>& problems, TFormat format,
               const TUserText& text);

// `text` as a JSON string literal.
std::string JsonString(std::string_view text);

}  // namespace nalo::cli
