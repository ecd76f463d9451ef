// The saved state of the six tabs of the main window: everything a tab frame
// shows, kept while the frame does not exist and persisted in the per-tab settings
// files. A frame stores its controls into its record and restores them from it; a
// rule run reads only the record. Field order follows the frames.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace nalo {

using StringList = std::vector<std::string>;

struct TTabStatus_Search {
  StringList StrMaskItems;      // cmb_StrMask items
  std::string StrMask;          // cmb_StrMask text
  bool StrMaskCase = false;     // chk_StrOK
  StringList ExtMaskItems;      // cmb_ExtMask items
  std::string ExtMask;          // cmb_ExtMask text
  std::int32_t MinSize = 0;     // spn_st, in the display unit
  std::int32_t MaxSize = 0;     // spn_ed, in the display unit
  bool UseMinSize = false;      // chk_StSize
  bool UseMaxSize = false;      // chk_EdSize
  double StartDate = 0;         // DateTimePicker1, whole days since 1899-12-30
  double EndDate = 0;           // DateTimePicker2, whole days
  bool UseStartDate = false;    // chk_StDate
  bool UseEndDate = false;      // chk_EdDate
  std::int32_t SizeUnit = 0;    // rag_Unit: 0 bytes, 1 KB, 2 MB

  friend bool operator==(const TTabStatus_Search&, const TTabStatus_Search&) = default;
};

struct TTabStatus_Okikae {
  std::int32_t KakkoOldIdx = 0;   // cmb_Kakko_Old item index
  std::int32_t KakkoNewIdx = 0;   // cmb_Kakko_New item index
  bool KakkoFirstOnly = true;     // chk_FirstMuch_Kakko
  StringList StringOldItems;      // cmb_String_Old items
  StringList StringNewItems;      // cmb_String_New items
  std::string StringOld;          // cmb_String_Old text
  std::string StringNew;          // cmb_String_New text
  bool StringCase = false;        // chk_OmojiKomoji_String
  bool StringFirstOnly = true;    // chk_FirstMuch_String
  StringList SpaceOldItems;       // cmb_Space_Old items
  std::string SpaceOld;           // cmb_Space_Old text
  bool SpaceWide = false;         // rbtn_Widesp
  bool SpaceHankaku = true;       // rbtn_Hankakusp
  std::int32_t SpaceWideCount = 0;     // spn_Wide
  std::int32_t SpaceHankakuCount = 0;  // spn_Hankaku
  bool SpaceCase = false;         // chk_OmojiKomoji_Space
  bool SpaceFirstOnly = true;     // chk_FirstMuch_Space
  std::int32_t Kind = 0;          // 0 brackets, 1 string, 2 string to blanks

  friend bool operator==(const TTabStatus_Okikae&, const TTabStatus_Okikae&) = default;
};

struct TTabStatus_Add {
  std::int32_t Position = 0;      // rgp_AddPos item index
  StringList NiniStrItems;        // cmb_NiniStr items
  StringList AddItems[4];         // cmb_Add_1 .. cmb_Add_4 items
  std::string NiniStr;            // cmb_NiniStr text
  std::string AddText[4];         // cmb_Add_1 .. cmb_Add_4 texts
  std::int32_t Candidate = 0;     // 0..8 for rbtn_Add_1 .. rbtn_Add_9

  friend bool operator==(const TTabStatus_Add&, const TTabStatus_Add&) = default;
};

struct TTabStatus_Modif {
  StringList NumBaseItems;        // cmb_Num1 items
  StringList ExtItems;            // cmb_Ext items
  std::string NumBase;            // cmb_Num1 text
  std::string Ext;                // cmb_Ext text
  std::int32_t DigitsIdx = 0;     // cmb_Num2 item index ("#" .. "#####")
  std::int32_t NumStart = 0;      // SpinEdit2
  std::int32_t NameCaseIdx = 0;   // rgp_Fname_OmojiKomoji: 0 upper, 1 lower
  bool NameCapitalize = true;     // chk_Fname_OmojiKomoji
  std::int32_t ExtCaseIdx = 1;    // rgp_Ext_OmojiKomoji2
  bool ExtCapitalize = false;     // chk_Ext_OmojiKomoji
  std::int32_t Kind = 0;          // 0..9 for rbtn_Renban .. rbtn_TimeStamp

  friend bool operator==(const TTabStatus_Modif&, const TTabStatus_Modif&) = default;
};

struct TTabStatus_Move {
  StringList NiniStrItems;        // cmb_NiniStr_Move items
  StringList MoveStrItems;        // cmb_Mve_2 items
  std::string NiniStr;            // cmb_NiniStr_Move text
  std::string MoveStr;            // cmb_Mve_2 text
  std::int32_t Position = 1;      // rgp_MovePos item index
  bool MoveBracket = true;        // rbtn_Mve_1
  bool MoveString = false;        // rbtn_Mve_2
  std::int32_t BracketIdx = 0;    // cmb_Mve_1 item index
  bool StringCase = false;        // chk_OmojiKomoji_Move

  friend bool operator==(const TTabStatus_Move&, const TTabStatus_Move&) = default;
};

struct TTabStatus_Seiki {
  StringList RegExpItems;         // RegExpEdit items
  StringList SubTextItems;        // SubTextEdit items
  std::string RegExp;             // RegExpEdit text
  std::string SubText;            // SubTextEdit text
  std::int32_t ReplaceMode = 0;   // 0 RadioButton1 (first match), 1 RadioButton2 (all)
  std::int32_t Engine = 0;        // 0 chk_Parl (Perl5), 1 chk_AWK

  friend bool operator==(const TTabStatus_Seiki&, const TTabStatus_Seiki&) = default;
};

}  // namespace nalo
