// The per-tab settings files Nalo_Tab1.ini .. Nalo_Tab6.ini: each holds one tab
// status record, its candidate lists as list sections and its scalar state in the
// section "Option". Reading fills every field (the record's default for a missing
// or unreadable key); writing writes every key, with the search tab's rules that a
// bound or date that is off is written as 0 or as the current date and time.
#pragma once

#include <string>
#include <vector>

#include "settings/tab_status.h"

namespace nalo {

class TIniFile;

// Number n of the file Nalo_Tab<n>.ini of each record.
inline constexpr int kSearchTabFile = 1;
inline constexpr int kReplaceTabFile = 2;
inline constexpr int kAddTabFile = 3;
inline constexpr int kConvertTabFile = 4;
inline constexpr int kRegexTabFile = 5;
inline constexpr int kMoveTabFile = 6;

// All six records, as the main window keeps them.
struct TTabStatusSet {
  TTabStatus_Search Search;
  TTabStatus_Okikae Okikae;
  TTabStatus_Add Add;
  TTabStatus_Modif Modif;
  TTabStatus_Move Move;
  TTabStatus_Seiki Seiki;

  friend bool operator==(const TTabStatusSet&, const TTabStatusSet&) = default;
};

// `now` is the current date-time as a day count: the default of a missing date
// and the value written for a date that is off. A saved date outside the editors'
// range reads as `now`; a size bound below 0 reads as 0; a unit outside 0..2 reads
// as 0 and is written as 0 (no unit selected).
void ReadTabStatus(const TIniFile& ini, TTabStatus_Search& r, double now);
void WriteTabStatus(TIniFile& ini, const TTabStatus_Search& r, double now);

// A choice index outside its range (the replace kind, add candidate, conversion,
// regex mode or engine) reads and writes as 0, like a choice with nothing checked.
void ReadTabStatus(const TIniFile& ini, TTabStatus_Okikae& r);
void WriteTabStatus(TIniFile& ini, const TTabStatus_Okikae& r);
void ReadTabStatus(const TIniFile& ini, TTabStatus_Add& r);
void WriteTabStatus(TIniFile& ini, const TTabStatus_Add& r);
void ReadTabStatus(const TIniFile& ini, TTabStatus_Modif& r);
void WriteTabStatus(TIniFile& ini, const TTabStatus_Modif& r);
void ReadTabStatus(const TIniFile& ini, TTabStatus_Move& r);
void WriteTabStatus(TIniFile& ini, const TTabStatus_Move& r);
void ReadTabStatus(const TIniFile& ini, TTabStatus_Seiki& r);
void WriteTabStatus(TIniFile& ini, const TTabStatus_Seiki& r);

// Reads the record's file in `folder`; a missing file gives the defaults.
void LoadTabStatus(const std::string& folder, TTabStatus_Search& r);
void LoadTabStatus(const std::string& folder, TTabStatus_Okikae& r);
void LoadTabStatus(const std::string& folder, TTabStatus_Add& r);
void LoadTabStatus(const std::string& folder, TTabStatus_Modif& r);
void LoadTabStatus(const std::string& folder, TTabStatus_Move& r);
void LoadTabStatus(const std::string& folder, TTabStatus_Seiki& r);

// Writes the record's file in `folder`; throws EIniWriteError naming the file.
void SaveTabStatus(const std::string& folder, const TTabStatus_Search& r);
void SaveTabStatus(const std::string& folder, const TTabStatus_Okikae& r);
void SaveTabStatus(const std::string& folder, const TTabStatus_Add& r);
void SaveTabStatus(const std::string& folder, const TTabStatus_Modif& r);
void SaveTabStatus(const std::string& folder, const TTabStatus_Move& r);
void SaveTabStatus(const std::string& folder, const TTabStatus_Seiki& r);

void LoadAllTabStatus(const std::string& folder, TTabStatusSet& set);
// Writes all six files, going on past a failure; returns the messages of the
// files that could not be written (empty when all were).
std::vector<std::string> SaveAllTabStatus(const std::string& folder, const TTabStatusSet& set);

}  // namespace nalo
