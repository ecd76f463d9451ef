// INI (profile) files: sections in brackets, one "key=value" per line, CP932 text
// with CRLF line ends (LF files read too). Section and key names match without
// regard to ASCII case; a matching pair of quotes around a value is stripped on
// reading; blanks around names and values are trimmed; sections and keys are listed
// in file order. A TIniFile reads the file once when opened and keeps it in memory;
// Save() replaces the file atomically (a temporary file in the same folder, then
// rename), so a crash never leaves a half-written file. Comments and lines that are
// not "key=value" are kept as they were. Open, change and save at the moment of the
// change: a TIniFile held open does not see what others write meanwhile.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace nalo {

// A settings file could not be written; the message names the file.
class EIniWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
  // Message "<path>: <reason>".
  EIniWriteError(const std::string& path, const std::string& reason)
      : std::runtime_error(path + ": " + reason) {}
};

// Why a file that is there could not be read, for the user: "通常のファイルではありません"
// for a named pipe, a device or a folder, else the system's text for `err`.
std::string ReadErrorReason(int err);

class TIniFile {
 public:
  // Opens `path` (a UTF-8 file-system path). A missing file is empty; a file that
  // exists but cannot be read is empty too, and Save() then refuses to replace it.
  explicit TIniFile(std::string path);

  // A file parsed from `text` instead of the disk; Save() writes to `path`.
  static TIniFile FromText(std::string_view text, std::string path = {});

  const std::string& Path() const { return path_; }
  // The errno of a file that exists but could not be read (EINVAL: not a regular
  // file), else 0.
  int ReadError() const { return read_error_; }

  // Raw value with one pair of enclosing quotes removed, or nothing when missing.
  // Values are read and written through ini::StoredValue, so text beyond code page
  // 932 comes back as it was written (nothing when the user-area table is full).
  std::optional<std::string> ReadRaw(std::string_view section, std::string_view key) const;
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
  // Integers and booleans: decimal (or 0x hex); leading digits count, so "12abc"
  // is 12; the fallback when missing or not a number. Non-zero is true.
  long long ReadInteger(std::string_view section, std::string_view key, long long fallback) const;
  // ReadInteger for 32-bit fields: a value outside their range is the fallback too.
  std::int32_t ReadInt32(std::string_view section, std::string_view key, std::int32_t fallback) const;
  bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;
  // Date-times: floating day counts since 1899-12-30; the fallback when missing,
  // not a number, or not finite.
  double ReadDateTime(std::string_view section, std::string_view key, double fallback) const;

  bool SectionExists(std::string_view section) const;
  // Every section name once, in file order (a repeated section counts once).
  std::vector<std::string> SectionNames() const;
  // Keys of the section in file order.
  std::vector<std::string> KeyNames(std::string_view section) const;
  // Every value of a list section in file order, whatever its key; empty values skipped.
  std::vector<std::string> ReadList(std::string_view section) const;

  // Writes change the file in memory; Save() puts them on disk. A line break in a
  // value becomes a blank, since a value is one line. Section and key names must
  // be usable as such (no line break; a key not empty, without "=", not starting
  // with "[" or ";" or a blank); anything else throws std::invalid_argument.
  // The value in double quotes.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, long long value);
  void WriteBool(std::string_view section, std::string_view key, bool value);
  // Shortest decimal text that reads back as exactly the same double.
  void WriteDateTime(std::string_view section, std::string_view key, double value);
  // Keys "Value0".."Value<n-1>"; then, when the section held more than n keys
  // before, the keys "Value<n>".."Value<old key count - 1>" are deleted.
  void WriteList(std::string_view section, const std::vector<std::string>& items);
  void DeleteKey(std::string_view section, std::string_view key);

  // The whole file as it would be saved: CP932 bytes, CRLF line ends.
  std::string ToText() const;

  // Replaces the file atomically; throws EIniWriteError naming the file on failure,
  // leaving the file as it was. Does nothing when nothing was written.
  void Save();

 private:
  struct Entry {
    std::string key;    // empty for a line that is not "key=value" (kept as written)
    std::string value;  // trimmed text after "=", quotes still on
    std::string line;   // the line as it is written out
  };
  struct Section {
    std::string name;
    std::string header;  // the "[name]" line as written
    std::vector<Entry> entries;
  };

  TIniFile(std::string path, std::string_view text);
  void Parse(std::string_view text);
  const Section* FindSection(std::string_view name) const;
  const Entry* FindEntry(std::string_view section, std::string_view key) const;
  Section& SectionFor(std::string_view name);
  void SetValue(std::string_view section, std::string_view key, std::string_view value);

  std::string path_;
  std::vector<std::string> preamble_;  // lines before the first section
  std::vector<Section> sections_;
  bool has_bom_ = false;  // a byte-order mark the file began with is written back
  int read_error_ = 0;  // errno of a failed read of an existing file
  bool dirty_ = false;
};

}  // namespace nalo
