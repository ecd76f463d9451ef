// Reading and writing the six per-tab settings files. Each record maps field by
// field onto the "Option" section and its list sections; a read starts from a
// default record so every missing key keeps the record's default.
#include "settings/tab_settings.h"

#include "settings/day_count.h"
#include "settings/ini_file.h"
#include "settings/settings_folder.h"

namespace nalo {
namespace {

constexpr char kOption[] = "Option";

// Numbers of choices of the radio groups kept as indexes.
constexpr std::int32_t kSizeUnitCount = 3;      // bytes, KB, MB
constexpr std::int32_t kReplaceKindCount = 3;   // brackets, string, string to blanks
constexpr std::int32_t kAddCandidateCount = 9;  // rbtn_Add_1 .. rbtn_Add_9
constexpr std::int32_t kConvertKindCount = 10;  // rbtn_Renban .. rbtn_TimeStamp
constexpr std::int32_t kRegexModeCount = 2;     // first match, all matches
constexpr std::int32_t kRegexEngineCount = 2;   // Perl5, AWK

std::int32_t ChoiceOrZero(std::int32_t index, std::int32_t count) {
  return (index >= 0 && index < count) ? index : 0;
}

std::int32_t ReadChoice(const TIniFile& ini, const char* key, std::int32_t fallback, std::int32_t count) {
  return ChoiceOrZero(ini.ReadInt32(kOption, key, fallback), count);
}

double ReadEditorDay(const TIniFile& ini, const char* key, double now) {
  const double day = ini.ReadDateTime(kOption, key, now);
  return IsEditorDay(day) ? day : now;
}

std::int32_t ReadSizeBound(const TIniFile& ini, const char* key) {
  const std::int32_t v = ini.ReadInt32(kOption, key, 0);
  return v < 0 ? 0 : v;
}

template <class Record>
void LoadFrom(const std::string& folder, int file_number, Record& r) {
  ReadTabStatus(TIniFile(TabSettingsPath(folder, file_number)), r);
}

template <class Record>
void SaveTo(const std::string& folder, int file_number, const Record& r) {
  TIniFile ini(TabSettingsPath(folder, file_number));
  WriteTabStatus(ini, r);
  ini.Save();
}

}  // namespace

void ReadTabStatus(const TIniFile& ini, TTabStatus_Search& r, double now) {
  const TTabStatus_Search d;
  r.ExtMaskItems = ini.ReadList("MaskExt");
  r.StrMaskItems = ini.ReadList("MaskStr");
  r.ExtMask = ini.ReadString(kOption, "MaskExtStr", d.ExtMask);
  r.StrMask = ini.ReadString(kOption, "MaskStrStr", d.StrMask);
  r.StrMaskCase = ini.ReadBool(kOption, "MaskStrOK", d.StrMaskCase);
  r.MinSize = ReadSizeBound(ini, "SizeStInt");
  r.MaxSize = ReadSizeBound(ini, "SizeEdInt");
  r.UseMinSize = ini.ReadBool(kOption, "SizeStCHK", d.UseMinSize);
  r.UseMaxSize = ini.ReadBool(kOption, "SizeEdCHK", d.UseMaxSize);
  r.StartDate = ReadEditorDay(ini, "DatePicSt", now);
  r.EndDate = ReadEditorDay(ini, "DatePicEd", now);
  r.UseStartDate = ini.ReadBool(kOption, "DatePicStCHK", d.UseStartDate);
  r.UseEndDate = ini.ReadBool(kOption, "DatePicEdCHK", d.UseEndDate);
  r.SizeUnit = ReadChoice(ini, "DispUnitIdx", d.SizeUnit, kSizeUnitCount);
}

void WriteTabStatus(TIniFile& ini, const TTabStatus_Search& r, double now) {
  ini.WriteList("MaskExt", r.ExtMaskItems);
  ini.WriteList("MaskStr", r.StrMaskItems);
  ini.WriteString(kOption, "MaskExtStr", r.ExtMask);
  ini.WriteString(kOption, "MaskStrStr", r.StrMask);
  ini.WriteBool(kOption, "MaskStrOK", r.StrMaskCase);
  ini.WriteInteger(kOption, "SizeStInt", r.UseMinSize ? r.MinSize : 0);
  ini.WriteInteger(kOption, "SizeEdInt", r.UseMaxSize ? r.MaxSize : 0);
  ini.WriteBool(kOption, "SizeStCHK", r.UseMinSize);
  ini.WriteBool(kOption, "SizeEdCHK", r.UseMaxSize);
  ini.WriteDateTime(kOption, "DatePicSt", r.UseStartDate ? r.StartDate : now);
  ini.WriteDateTime(kOption, "DatePicEd", r.UseEndDate ? r.EndDate : now);
  ini.WriteBool(kOption, "DatePicStCHK", r.UseStartDate);
  ini.WriteBool(kOption, "DatePicEdCHK", r.UseEndDate);
  ini.WriteInteger(kOption, "DispUnitIdx", ChoiceOrZero(r.SizeUnit, kSizeUnitCount));
}

void ReadTabStatus(const TIniFile& ini, TTabStatus_Okikae& r) {
  const TTabStatus_Okikae d;
  r.StringOldItems = ini.ReadList("StringO");
  r.StringNewItems = ini.ReadList("StringN");
  r.SpaceOldItems = ini.ReadList("Space");
  r.KakkoOldIdx = ini.ReadInt32(kOption, "KOldIdx", d.KakkoOldIdx);
  r.KakkoNewIdx = ini.ReadInt32(kOption, "KNewIdx", d.KakkoNewIdx);
  r.KakkoFirstOnly = ini.ReadBool(kOption, "KFMuchCHK", d.KakkoFirstOnly);
  r.StringOld = ini.ReadString(kOption, "StrOldStr", d.StringOld);
  r.StringNew = ini.ReadString(kOption, "StrNewStr", d.StringNew);
  r.StringCase = ini.ReadBool(kOption, "StrOKCHK", d.StringCase);
  r.StringFirstOnly = ini.ReadBool(kOption, "StrFMuchCHK", d.StringFirstOnly);
  r.SpaceOld = ini.ReadString(kOption, "SpStrStr", d.SpaceOld);
  r.SpaceWide = ini.ReadBool(kOption, "SpWideCHK", d.SpaceWide);
  r.SpaceHankaku = ini.ReadBool(kOption, "SpHankCHK", d.SpaceHankaku);
  r.SpaceWideCount = ini.ReadInt32(kOption, "SpWideInt", d.SpaceWideCount);
  r.SpaceHankakuCount = ini.ReadInt32(kOption, "SpHankInt", d.SpaceHankakuCount);
  r.SpaceCase = ini.ReadBool(kOption, "SpOKCHK", d.SpaceCase);
  r.SpaceFirstOnly = ini.ReadBool(kOption, "SpFMuchCHK", d.SpaceFirstOnly);
  r.Kind = ReadChoice(ini, "OStsIdx", d.Kind, kReplaceKindCount);
}

void WriteTabStatus(TIniFile& ini, const TTabStatus_Okikae& r) {
  ini.WriteList("StringO", r.StringOldItems);
  ini.WriteList("StringN", r.StringNewItems);
  ini.WriteList("Space", r.SpaceOldItems);
  ini.WriteInteger(kOption, "KOldIdx", r.KakkoOldIdx);
  ini.WriteInteger(kOption, "KNewIdx", r.KakkoNewIdx);
  ini.WriteBool(kOption, "KFMuchCHK", r.KakkoFirstOnly);
  ini.WriteString(kOption, "StrOldStr", r.StringOld);
  ini.WriteString(kOption, "StrNewStr", r.StringNew);
  ini.WriteBool(kOption, "StrOKCHK", r.StringCase);
  ini.WriteBool(kOption, "StrFMuchCHK", r.StringFirstOnly);
  ini.WriteString(kOption, "SpStrStr", r.SpaceOld);
  ini.WriteBool(kOption, "SpWideCHK", r.SpaceWide);
  ini.WriteBool(kOption, "SpHankCHK", r.SpaceHankaku);
  ini.WriteInteger(kOption, "SpWideInt", r.SpaceWideCount);
  ini.WriteInteger(kOption, "SpHankInt", r.SpaceHankakuCount);
  ini.WriteBool(kOption, "SpOKCHK", r.SpaceCase);
  ini.WriteBool(kOption, "SpFMuchCHK", r.SpaceFirstOnly);
  ini.WriteInteger(kOption, "OStsIdx", ChoiceOrZero(r.Kind, kReplaceKindCount));
}

void ReadTabStatus(const TIniFile& ini, TTabStatus_Add& r) {
  const TTabStatus_Add d;
  r.NiniStrItems = ini.ReadList("String");
  for (int i = 0; i < 4; ++i) r.AddItems[i] = ini.ReadList("Add" + std::to_string(i + 1));
  r.Position = ini.ReadInt32(kOption, "ALIdx", d.Position);
  r.NiniStr = ini.ReadString(kOption, "StrNStr", d.NiniStr);
  for (int i = 0; i < 4; ++i) r.AddText[i] = ini.ReadString(kOption, "Str" + std::to_string(i + 1), "");
  r.Candidate = ReadChoice(ini, "AStsIdx", d.Candidate, kAddCandidateCount);
}

void WriteTabStatus(TIniFile& ini, const TTabStatus_Add& r) {
  ini.WriteList("String", r.NiniStrItems);
  for (int i = 0; i < 4; ++i) ini.WriteList("Add" + std::to_string(i + 1), r.AddItems[i]);
  ini.WriteInteger(kOption, "ALIdx", r.Position);
  ini.WriteString(kOption, "StrNStr", r.NiniStr);
  for (int i = 0; i < 4; ++i) ini.WriteString(kOption, "Str" + std::to_string(i + 1), r.AddText[i]);
  ini.WriteInteger(kOption, "AStsIdx", ChoiceOrZero(r.Candidate, kAddCandidateCount));
}

void ReadTabStatus(const TIniFile& ini, TTabStatus_Modif& r) {
  const TTabStatus_Modif d;
  r.NumBaseItems = ini.ReadList("FileName");
  r.ExtItems = ini.ReadList("Ext");
  r.NumBase = ini.ReadString(kOption, "NumStr", d.NumBase);
  r.Ext = ini.ReadString(kOption, "NumExt", d.Ext);
  r.DigitsIdx = ini.ReadInt32(kOption, "KIdx", d.DigitsIdx);
  r.NumStart = ini.ReadInt32(kOption, "NumInt", d.NumStart);
  r.NameCaseIdx = ini.ReadInt32(kOption, "OKInt", d.NameCaseIdx);
  r.NameCapitalize = ini.ReadBool(kOption, "OKBol", d.NameCapitalize);
  r.ExtCaseIdx = ini.ReadInt32(kOption, "ExtOKInt", d.ExtCaseIdx);
  r.ExtCapitalize = ini.ReadBool(kOption, "ExtOKBol", d.ExtCapitalize);
  r.Kind = ReadChoice(ini, "MStsIdx", d.Kind, kConvertKindCount);
}

void WriteTabStatus(TIniFile& ini, const TTabStatus_Modif& r) {
  ini.WriteList("FileName", r.NumBaseItems);
  ini.WriteList("Ext", r.ExtItems);
  ini.WriteString(kOption, "NumStr", r.NumBase);
  ini.WriteString(kOption, "NumExt", r.Ext);
  ini.WriteInteger(kOption, "KIdx", r.DigitsIdx);
  ini.WriteInteger(kOption, "NumInt", r.NumStart);
  ini.WriteInteger(kOption, "OKInt", r.NameCaseIdx);
  ini.WriteBool(kOption, "OKBol", r.NameCapitalize);
  ini.WriteInteger(kOption, "ExtOKInt", r.ExtCaseIdx);
  ini.WriteBool(kOption, "ExtOKBol", r.ExtCapitalize);
  ini.WriteInteger(kOption, "MStsIdx", ChoiceOrZero(r.Kind, kConvertKindCount));
}

void ReadTabStatus(const TIniFile& ini, TTabStatus_Seiki& r) {
  const TTabStatus_Seiki d;
  r.RegExpItems = ini.ReadList("Reg");
  r.SubTextItems = ini.ReadList("Sub");
  r.RegExp = ini.ReadString(kOption, "RegStr", d.RegExp);
  r.SubText = ini.ReadString(kOption, "SubStr", d.SubText);
  r.ReplaceMode = ReadChoice(ini, "StsIdx", d.ReplaceMode, kRegexModeCount);
  r.Engine = ReadChoice(ini, "EngIdx", d.Engine, kRegexEngineCount);
}

void WriteTabStatus(TIniFile& ini, const TTabStatus_Seiki& r) {
  ini.WriteList("Reg", r.RegExpItems);
  ini.WriteList("Sub", r.SubTextItems);
  ini.WriteString(kOption, "RegStr", r.RegExp);
  ini.WriteString(kOption, "SubStr", r.SubText);
  ini.WriteInteger(kOption, "StsIdx", ChoiceOrZero(r.ReplaceMode, kRegexModeCount));
  ini.WriteInteger(kOption, "EngIdx", ChoiceOrZero(r.Engine, kRegexEngineCount));
}

void ReadTabStatus(const TIniFile& ini, TTabStatus_Move& r) {
  const TTabStatus_Move d;
  r.NiniStrItems = ini.ReadList("String");
  r.MoveStrItems = ini.ReadList("Mov1");
  r.NiniStr = ini.ReadString(kOption, "NStr", d.NiniStr);
  r.MoveStr = ini.ReadString(kOption, "MStr", d.MoveStr);
  r.Position = ini.ReadInt32(kOption, "MInt", d.Position);
  r.MoveBracket = ini.ReadBool(kOption, "KCHK", d.MoveBracket);
  r.MoveString = ini.ReadBool(kOption, "StrCHK", d.MoveString);
  r.BracketIdx = ini.ReadInt32(kOption, "KIdx", d.BracketIdx);
  r.StringCase = ini.ReadBool(kOption, "OKCHK", d.StringCase);
}

void WriteTabStatus(TIniFile& ini, const TTabStatus_Move& r) {
  ini.WriteList("String", r.NiniStrItems);
  ini.WriteList("Mov1", r.MoveStrItems);
  ini.WriteString(kOption, "NStr", r.NiniStr);
  ini.WriteString(kOption, "MStr", r.MoveStr);
  ini.WriteInteger(kOption, "MInt", r.Position);
  ini.WriteBool(kOption, "KCHK", r.MoveBracket);
  ini.WriteBool(kOption, "StrCHK", r.MoveString);
  ini.WriteInteger(kOption, "KIdx", r.BracketIdx);
  ini.WriteBool(kOption, "OKCHK", r.StringCase);
}

void LoadTabStatus(const std::string& folder, TTabStatus_Search& r) {
  ReadTabStatus(TIniFile(TabSettingsPath(folder, kSearchTabFile)), r, NowAsDayCount());
}
void LoadTabStatus(const std::string& folder, TTabStatus_Okikae& r) { LoadFrom(folder, kReplaceTabFile, r); }
void LoadTabStatus(const std::string& folder, TTabStatus_Add& r) { LoadFrom(folder, kAddTabFile, r); }
void LoadTabStatus(const std::string& folder, TTabStatus_Modif& r) { LoadFrom(folder, kConvertTabFile, r); }
void LoadTabStatus(const std::string& folder, TTabStatus_Seiki& r) { LoadFrom(folder, kRegexTabFile, r); }
void LoadTabStatus(const std::string& folder, TTabStatus_Move& r) { LoadFrom(folder, kMoveTabFile, r); }

void SaveTabStatus(const std::string& folder, const TTabStatus_Search& r) {
  TIniFile ini(TabSettingsPath(folder, kSearchTabFile));
  WriteTabStatus(ini, r, NowAsDayCount());
  ini.Save();
}
void SaveTabStatus(const std::string& folder, const TTabStatus_Okikae& r) { SaveTo(folder, kReplaceTabFile, r); }
void SaveTabStatus(const std::string& folder, const TTabStatus_Add& r) { SaveTo(folder, kAddTabFile, r); }
void SaveTabStatus(const std::string& folder, const TTabStatus_Modif& r) { SaveTo(folder, kConvertTabFile, r); }
void SaveTabStatus(const std::string& folder, const TTabStatus_Seiki& r) { SaveTo(folder, kRegexTabFile, r); }
void SaveTabStatus(const std::string& folder, const TTabStatus_Move& r) { SaveTo(folder, kMoveTabFile, r); }

void LoadAllTabStatus(const std::string& folder, TTabStatusSet& set) {
  LoadTabStatus(folder, set.Search);
  LoadTabStatus(folder, set.Okikae);
  LoadTabStatus(folder, set.Add);
  LoadTabStatus(folder, set.Modif);
  LoadTabStatus(folder, set.Seiki);
  LoadTabStatus(folder, set.Move);
}

std::vector<std::string> SaveAllTabStatus(const std::string& folder, const TTabStatusSet& set) {
  std::vector<std::string> failures;
  auto attempt = [&](const auto& record) {
    try {
      SaveTabStatus(folder, record);
    } catch (const EIniWriteError& e) {
      failures.emplace_back(e.what());
    }
  };
  attempt(set.Search);
  attempt(set.Okikae);
  attempt(set.Add);
  attempt(set.Modif);
  attempt(set.Seiki);
  attempt(set.Move);
  return failures;
}

}  // namespace nalo
