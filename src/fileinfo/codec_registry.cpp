// Codec registry rows: loading, saving, sorting and the entry dialog's checks.
#include "fileinfo/codec_registry.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "fileinfo/codec_names.h"
#include "platform/encoding.h"
#include "settings/ini_file.h"
#include "settings/ini_text.h"
#include "text/name_text.h"

namespace nalo {
namespace {

std::string PathOf(const std::string& settings_dir, TCodecMode mode) {
  const char* file = CodecFileName(mode);
  if (settings_dir.empty()) return file;
  return settings_dir.back() == '/' ? settings_dir + file : settings_dir + "/" + file;
}

int CompareFolded(const std::string& a, const std::string& b) {
  return UpperCaseName(a).compare(UpperCaseName(b));
}

constexpr const char* kForbiddenNameMessage =
    "コーデック名には次の文字は使えません。\r              \\ / : ; * ? \" < > |";
constexpr const char* kIncompleteEntryMessage = "きちんと入力しましょう。";

}  // namespace

const char* CodecFileName(TCodecMode mode) {
  return mode == TCodecMode::kVideo ? kVideoCodecFile : kAudioCodecFile;
}

const char* CodecKeyName(TCodecMode mode) { return mode == TCodecMode::kVideo ? "Codec" : "Audio"; }

std::size_t MaxCodeLength(TCodecMode mode) { return mode == TCodecMode::kVideo ? 4 : 6; }

std::vector<TCodecRow> LoadCodecRows(const std::string& settings_dir, TCodecMode mode) {
  const TIniFile ini(PathOf(settings_dir, mode));
  if (const int err = ini.ReadError()) throw ECodecFileError(ini.Path(), err);
  std::vector<TCodecRow> rows;
  for (std::string& section : ini.SectionNames()) {
    std::string name = ini.ReadString(section, CodecKeyName(mode), "");
    rows.push_back({std::move(section), std::move(name)});
  }
  return rows;
}

void SaveCodecRows(const std::string& settings_dir, TCodecMode mode,
                   const std::vector<TCodecRow>& rows) {
  const std::string path = PathOf(settings_dir, mode);
  if (rows.empty()) {
    std::error_code ec;
    std::filesystem::remove(path, ec);  // no error when there was no file
    if (ec) throw EIniWriteError(path, std::strerror(ec.value()));
    return;
  }
  TIniFile ini = TIniFile::FromText("", path);
  for (const TCodecRow& row : rows) ini.WriteString(row.Code, CodecKeyName(mode), row.Name);
  ini.Save();
}

void SortCodecRows(std::vector<TCodecRow>& rows, int column, bool ascending) {
  std::stable_sort(rows.begin(), rows.end(), [&](const TCodecRow& a, const TCodecRow& b) {
    int c = column == 1 ? CompareFolded(a.Name, b.Name) : CompareFolded(a.Code, b.Code);
    if (c == 0) c = CompareFolded(a.Code, b.Code);
    if (c == 0) c = CompareFolded(a.Name, b.Name);
    return ascending ? c < 0 : c > 0;
  });
}

std::optional<TCodecEntryProblem> CheckCodecEntry(const std::string& code, const std::string& name) {
  std::optional<TCodecEntryProblem> problem;
  if (HasForbiddenChar(name)) problem = TCodecEntryProblem{kForbiddenNameMessage, true};
  const std::string_view trimmed_code = ini::Trim(code);
  if (trimmed_code.empty() || CharCount(trimmed_code) > 6) {
    problem = TCodecEntryProblem{kIncompleteEntryMessage, false};
  }
  if (ini::Trim(name).empty()) problem = TCodecEntryProblem{kIncompleteEntryMessage, false};
  return problem;
}

bool HasCodecRow(const std::vector<TCodecRow>& rows, const std::string& code) {
  return std::any_of(rows.begin(), rows.end(), [&](const TCodecRow& r) { return r.Code == code; });
}

std::string DuplicateCodeMessage(TCodecMode mode, const std::string& code) {
  const char* label = mode == TCodecMode::kVideo ? "FourCC：" : "FormatTag：";
  return std::string(label) + "\"" + Cp932ToUtf8Lossy(code) + "\" は既に登録されています。";
}

}  // namespace nalo
