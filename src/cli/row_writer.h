// TRowWriter: tab-separated lines written through one reused buffer. Core texts
// are converted to the user's encoding on the way in (ASCII bytes are copied as
// they are), each text field can pass through an escaping step, and the buffer
// goes to the stream in large blocks, so writing a row makes no string.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "cli/user_text.h"

namespace nalo::cli {

// Appends `text` to `out` in the form a field may take (for example with control
// characters written as escapes).
using TFieldEscape = void (*)(std::string_view text, std::string& out);

struct TRowStyle {
  TFieldEscape Escape = nullptr;  // nothing: text fields are written as they are
  char FieldEnd = '\t';           // between fields
  char RowEnd = '\n';
};

// A field that repeats from row to row (a folder, a fixed word): its shown form,
// converted and escaped, is made again only when the text changes.
class TRepeatedText {
 private:
  friend class TRowWriter;
  std::string source_;
  std::string shown_;
  bool set_ = false;
};

class TRowWriter {
 public:
  TRowWriter(std::ostream& out, const TUserText& text, TRowStyle style = {});
  ~TRowWriter();  // writes what is left
  TRowWriter(const TRowWriter&) = delete;
  TRowWriter& operator=(const TRowWriter&) = delete;

  // A core (CP932) text as a field in the user's encoding.
  void Text(std::string_view cp932);
  void Text(std::string_view cp932, TRepeatedText& memo);
  // A text already in the output's form (a number, a fixed message).
  void Plain(std::string_view bytes);
  void Tab() { buffer_.push_back(style_.FieldEnd); }
  void EndRow();
  // Hands the buffer to the stream and flushes it.
  void Flush();

 private:
  void AddField(std::string_view bytes);
  void AppendField(std::string_view bytes, std::string& out) const;

  std::ostream& out_;
  const TUserText& text_;
  TRowStyle style_;
  std::string buffer_;     // rows not yet written
  std::string converted_;  // reused for texts that need a conversion
};

}  // namespace nalo::cli
