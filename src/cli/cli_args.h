// Everything the command line can say, as parsed and before it is checked: the
// global options, the selection of entries and the one rename rule. The resolvers
// turn it into the core's records; nothing here knows how a rule works.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace nalo::cli {

struct TGlobalArgs {
  std::string SettingsDir;          // --settings-dir (or NALO_SETTINGS_DIR)
  std::string Encoding = "utf8";    // --encoding utf8|cp932
};

struct TSelectionArgs {
  bool Folders = false;
  bool Recursive = false;
  std::string Mask;
  std::string Contains;
  bool ContainsCase = false;
  std::string Exclude;
  bool ExcludeCase = false;
  std::optional<std::int64_t> MinSize;
  std::optional<std::int64_t> MaxSize;
  std::string Unit = "byte";
  std::string Since;                // YYYY-MM-DD
  std::string Until;
  std::string Sort;                 // name|size|date|location; empty: the scan's order
  bool Desc = false;
  bool NoTrim = false;
};

struct TRuleArgs {
  std::vector<std::string> Brackets;          // OLD NEW
  std::vector<std::string> Replace;           // OLD NEW
  std::optional<std::string> ReplaceWithSpaces;
  int Count = 1;
  bool FullWidth = false;
  bool CaseSensitive = false;
  bool FirstOnly = false;
  std::optional<std::string> Add;
  std::string AddInfo;                        // avi|date|image|mp3|folder
  std::string At = "start";
  std::optional<std::string> Number;          // prefix
  int Digits = 1;
  int Start = 1;
  std::optional<std::string> Extension;
  std::string NameCase;                       // upper|lower|capitalize
  std::string ExtCase;
  std::string Convert;                        // half-to-full|full-to-half|hira-to-kata|kata-to-hira|trim
  std::string MoveBracket;                    // a pair such as "()"
  std::optional<std::string> Move;
  std::string To;
  std::optional<std::string> Perl;
  std::optional<std::string> Awk;
  std::optional<std::string> Template;
  bool All = false;
  std::string FromSettings;                   // replace|add|convert|move|regex
  bool FixEncoding = false;                   // legacy CP932 names to UTF-8
  std::optional<std::string> Not;
  bool NotCase = false;
};

struct TCliArgs {
  TGlobalArgs Global;
  TSelectionArgs Selection;
  TRuleArgs Rule;
  std::string Dir;
  std::string NamesFrom;            // FILE or "-"
  std::string Format = "tsv";       // tsv|json
  bool Yes = false;
  bool Discard = false;  // undo --discard
  bool Null = false;     // --null: NUL-terminated records, raw names
  std::string InfoKind;
  std::vector<std::string> InfoFiles;
};

}  // namespace nalo::cli
