// TIniFile: the profile-file model. The file is parsed once into sections of
// entries; an entry is either a key with its value or a line kept verbatim
// (comments, blank lines, anything unparsable), so rewriting a file changes only
// the keys that were written. Lookups take the first section and the first key
// whose names match without regard to ASCII case.
#include "settings/ini_file.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <iterator>

#include "platform/file_replace.h"
#include "platform/record_file.h"
#include "settings/ini_text.h"

namespace nalo {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

// Largest file read as settings. Real settings files stay far below this even with
// long histories (a few hundred kilobytes); anything bigger is some other file put
// in the wrong place, which is neither loaded into memory nor overwritten.
constexpr std::size_t kMaxSettingsFileBytes = 64u << 20;

// Prefix of the numbered keys of a list section.
constexpr std::string_view kListKeyPrefix = "Value";

std::string ListKey(std::size_t index) { return std::string(kListKeyPrefix) + std::to_string(index); }

bool HasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

void CheckSectionName(std::string_view section) {
  if (HasLineBreak(section)) throw std::invalid_argument("INI section name with a line break");
}

void CheckKeyName(std::string_view key) {
  if (key.empty() || HasLineBreak(key) || key.find('=') != std::string_view::npos ||
      key.front() == '[' || key.front() == ';' || ini::Trim(key) != key) {
    throw std::invalid_argument("INI key name not usable: " + std::string(key));
  }
}

// A value is one line: line breaks become blanks.
std::string OneLine(std::string_view value) {
  std::string out(value);
  for (char& c : out) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return out;
}

bool IsBlankLine(std::string_view line) { return ini::Trim(line).empty(); }

}  // namespace

std::string ReadErrorReason(int err) {
  return err == kErrNotRegularFile ? "通常のファイルではありません" : std::strerror(err);
}

TIniFile::TIniFile(std::string path) : path_(std::move(path)) {
  std::string text;
  const int err = ReadRegularFile(path_, text, kMaxSettingsFileBytes);
  if (err != 0 && err != ENOENT && err != ENOTDIR) read_error_ = err;
  Parse(text);
}

TIniFile::TIniFile(std::string path, std::string_view text) : path_(std::move(path)) { Parse(text); }

TIniFile TIniFile::FromText(std::string_view text, std::string path) {
  return TIniFile(std::move(path), text);
}

void TIniFile::Parse(std::string_view text) {
  has_bom_ = ini::StartsWithBom(text);
  for (std::string_view line : ini::SplitLines(text)) {
    const ini::ParsedLine parsed = ini::ParseLine(line);
    if (parsed.Kind == ini::LineKind::kSection) {
      sections_.push_back({std::string(parsed.Name), std::string(line), {}});
    } else if (sections_.empty()) {
      preamble_.emplace_back(line);
    } else if (parsed.Kind == ini::LineKind::kKey) {
      sections_.back().entries.push_back(
          {std::string(parsed.Name), std::string(parsed.Value), std::string(line)});
    } else {
      sections_.back().entries.push_back({{}, {}, std::string(line)});
    }
  }
}

const TIniFile::Section* TIniFile::FindSection(std::string_view name) const {
  name = ini::Trim(name);
  for (const Section& s : sections_) {
    if (ini::NamesEqual(s.name, name)) return &s;
  }
  return nullptr;
}

const TIniFile::Entry* TIniFile::FindEntry(std::string_view section, std::string_view key) const {
  const Section* s = FindSection(section);
  if (s == nullptr) return nullptr;
  key = ini::Trim(key);
  for (const Entry& e : s->entries) {
    if (!e.key.empty() && ini::NamesEqual(e.key, key)) return &e;
  }
  return nullptr;
}

std::optional<std::string> TIniFile::ReadRaw(std::string_view section, std::string_view key) const {
  const Entry* e = FindEntry(section, key);
  if (e == nullptr) return std::nullopt;
  return ini::ValueFromStored(ini::StripQuotes(e->value));
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view fallback) const {
  std::optional<std::string> raw = ReadRaw(section, key);
  return raw ? std::move(*raw) : std::string(fallback);
}

long long TIniFile::ReadInteger(std::string_view section, std::string_view key,
                                long long fallback) const {
  const std::optional<std::string> raw = ReadRaw(section, key);
  if (!raw) return fallback;
  return ini::ParseInteger(*raw).value_or(fallback);
}

std::int32_t TIniFile::ReadInt32(std::string_view section, std::string_view key,
                                std::int32_t fallback) const {
  const long long v = ReadInteger(section, key, fallback);
  return (v < INT32_MIN || v > INT32_MAX) ? fallback : static_cast<std::int32_t>(v);
}

bool TIniFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
  return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

double TIniFile::ReadDateTime(std::string_view section, std::string_view key, double fallback) const {
  const std::optional<std::string> raw = ReadRaw(section, key);
  if (!raw) return fallback;
  return ini::ParseDayCount(*raw).value_or(fallback);
}

bool TIniFile::SectionExists(std::string_view section) const { return FindSection(section) != nullptr; }

std::vector<std::string> TIniFile::SectionNames() const {
  std::vector<std::string> names;
  for (const Section& s : sections_) {
    if (FindSection(s.name) == &s) names.push_back(s.name);
  }
  return names;
}

std::vector<std::string> TIniFile::KeyNames(std::string_view section) const {
  std::vector<std::string> keys;
  if (const Section* s = FindSection(section)) {
    for (const Entry& e : s->entries) {
      if (!e.key.empty()) keys.push_back(e.key);
    }
  }
  return keys;
}

std::vector<std::string> TIniFile::ReadList(std::string_view section) const {
  std::vector<std::string> items;
  if (const Section* s = FindSection(section)) {
    for (const Entry& e : s->entries) {
      if (e.key.empty()) continue;
      const std::optional<std::string> value = ini::ValueFromStored(ini::StripQuotes(e.value));
      if (value && !value->empty()) items.push_back(*value);
    }
  }
  return items;
}

TIniFile::Section& TIniFile::SectionFor(std::string_view name) {
  name = ini::Trim(name);
  for (Section& s : sections_) {
    if (ini::NamesEqual(s.name, name)) return s;
  }
  sections_.push_back({std::string(name), "[" + std::string(name) + "]", {}});
  return sections_.back();
}

void TIniFile::SetValue(std::string_view section, std::string_view key, std::string_view value) {
  CheckSectionName(section);
  CheckKeyName(key);
  const std::string one_line = OneLine(value);
  const std::string trimmed(ini::Trim(one_line));
  Section& s = SectionFor(section);
  dirty_ = true;
  for (Entry& e : s.entries) {
    if (!e.key.empty() && ini::NamesEqual(e.key, key)) {
      e.value = trimmed;
      e.line = e.key + "=" + one_line;
      return;
    }
  }
  // A new key goes after the last non-blank line, so blank lines between sections stay.
  auto pos = s.entries.end();
  while (pos != s.entries.begin() && std::prev(pos)->key.empty() && IsBlankLine(std::prev(pos)->line)) {
    --pos;
  }
  s.entries.insert(pos, Entry{std::string(key), trimmed, std::string(key) + "=" + one_line});
}

void TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  SetValue(section, key, "\"" + ini::StoredValue(value) + "\"");
}

void TIniFile::WriteInteger(std::string_view section, std::string_view key, long long value) {
  SetValue(section, key, std::to_string(value));
}

void TIniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  SetValue(section, key, value ? "1" : "0");
}

void TIniFile::WriteDateTime(std::string_view section, std::string_view key, double value) {
  SetValue(section, key, ini::FormatDayCount(value));
}

void TIniFile::WriteList(std::string_view section, const std::vector<std::string>& items) {
  const std::size_t old_count = KeyNames(section).size();
  for (std::size_t i = 0; i < items.size(); ++i) WriteString(section, ListKey(i), items[i]);
  for (std::size_t i = items.size(); i < old_count; ++i) DeleteKey(section, ListKey(i));
}

void TIniFile::DeleteKey(std::string_view section, std::string_view key) {
  section = ini::Trim(section);
  key = ini::Trim(key);
  for (Section& s : sections_) {
    if (!ini::NamesEqual(s.name, section)) continue;
    std::erase_if(s.entries, [&](const Entry& e) {
      const bool match = !e.key.empty() && ini::NamesEqual(e.key, key);
      dirty_ = dirty_ || match;
      return match;
    });
    return;  // only the first section of that name is ever read
  }
}

std::string TIniFile::ToText() const {
  std::string text = has_bom_ ? "\xEF\xBB\xBF" : "";
  auto put = [&text](std::string_view line) {
    text += line;
    text += kLineEnd;
  };
  for (const std::string& line : preamble_) put(line);
  for (const Section& s : sections_) {
    put(s.header);
    for (const Entry& e : s.entries) put(e.line);
  }
  return text;
}

void TIniFile::Save() {
  if (!dirty_) return;
  if (path_.empty()) throw EIniWriteError(path_, "no file name");
  if (read_error_ != 0) throw EIniWriteError(path_, std::strerror(read_error_));
  if (const int err = ReplaceFileAtomically(path_, ToText())) {
    throw EIniWriteError(path_, std::strerror(err));
  }
  dirty_ = false;
}

}  // namespace nalo
