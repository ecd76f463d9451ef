// INI (profile) files: sections in brackets, one "key=value" per line, CP932 text
// with CRLF line ends (LF files read too). Section and key names match without
// regard to ASCII case; quotes around a value are stripped on reading; sections and
// keys are listed in file order. A TIniFile reads the file once when opened and
// keeps it in memory; Save() replaces the file atomically (a temporary file in the
// same folder, then rename), so a crash never leaves a half-written file.
#pragma once

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
};

class TIniFile {
 public:
  // Opens `path` (a UTF-8 file-system path). A missing or unreadable file is empty.
  explicit TIniFile(std::string path);

  const std::string& Path() const { return path_; }

  // Raw value with enclosing double quotes removed, or nothing when missing.
  std::optional<std::string> ReadRaw(std::string_view section, std::string_view key) const;
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
  // Integers and booleans: decimal; the fallback when missing or not a number.
  long long ReadInteger(std::string_view section, std::string_view key, long long fallback) const;
  bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;
  // Date-times: floating day counts since 1899-12-30.
  double ReadDateTime(std::string_view section, std::string_view key, double fallback) const;

  bool SectionExists(std::string_view section) const;
  std::vector<std::string> SectionNames() const;
  std::vector<std::string> KeyNames(std::string_view section) const;
  // Every value of a list section in file order, whatever its key; empty values skipped.
  std::vector<std::string> ReadList(std::string_view section) const;

  // Writes change the file in memory; Save() puts them on disk.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);  // quoted
  void WriteRaw(std::string_view section, std::string_view key, std::string_view value);     // as given
  void WriteInteger(std::string_view section, std::string_view key, long long value);
  void WriteBool(std::string_view section, std::string_view key, bool value);
  void WriteDateTime(std::string_view section, std::string_view key, double value);
  // Keys "Value0".."Value<n-1>", then the keys past n that the section held before removed.
  void WriteList(std::string_view section, const std::vector<std::string>& items);
  void DeleteKey(std::string_view section, std::string_view key);
  void EraseSection(std::string_view section);

  // Replaces the file atomically; throws EIniWriteError naming the file on failure,
  // leaving the file as it was. Does nothing when nothing was written.
  void Save();

 private:
  struct Entry {
    std::string key;    // empty for a line that is not "key=value" (kept as written)
    std::string value;  // raw text after "="
    std::string line;   // the original line, for lines without a key
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
  };

  const Section* FindSection(std::string_view name) const;
  Section& SectionFor(std::string_view name);

  std::string path_;
  std::vector<Entry> preamble_;  // lines before the first section
  std::vector<Section> sections_;
  bool dirty_ = false;
};

}  // namespace nalo
