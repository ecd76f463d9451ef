// The codec registry: the rows of codecs.dat (video) or audio.dat (audio) as the
// registry window edits them, their order, the checks of the entry dialog and the
// saving of the whole file. Codes and names are CP932; messages are UTF-8.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace nalo {

enum class TCodecMode : std::int32_t { kVideo = 1, kAudio = 2 };

struct TCodecRow {
  std::string Code;  // section name: a FourCC, or "0x" and four hex digits
  std::string Name;  // the value of the mode's key, without its quotes
  bool operator==(const TCodecRow&) const = default;
};

// "codecs.dat" or "audio.dat".
const char* CodecFileName(TCodecMode mode);
// "Codec" or "Audio".
const char* CodecKeyName(TCodecMode mode);
// The longest code the entry dialog takes: 4 (video) or 6 (audio).
std::size_t MaxCodeLength(TCodecMode mode);

// Every section of the mode's file in the settings folder, in file order; a
// missing file gives no rows, a file that cannot be read throws ECodecFileError.
std::vector<TCodecRow> LoadCodecRows(const std::string& settings_dir, TCodecMode mode);

// Writes the rows, in their order, as the mode's whole file: section = code, the
// mode's key = the name in double quotes. Codes that differ only in ASCII case end
// up in one section, the later row's name winning. The file is replaced in one
// step, so a failed write (EIniWriteError naming the file) leaves the old file
// whole; no rows at all remove the file.
void SaveCodecRows(const std::string& settings_dir, TCodecMode mode,
                   const std::vector<TCodecRow>& rows);

// Sorts by column 0 (code) or 1 (name), letters compared without regard to case;
// equal texts go by the code, then by the name. Descending reverses the order.
void SortCodecRows(std::vector<TCodecRow>& rows, int column, bool ascending);

// The entry dialog's verdict on OK: nothing when the entry may be taken, else the
// message to show. A forbidden character in the name, then a missing or too long
// code, then a missing name are checked; the last check that fails decides.
struct TCodecEntryProblem {
  std::string Message;
  bool FocusName = false;  // the name field takes the focus, else the code field
};
std::optional<TCodecEntryProblem> CheckCodecEntry(const std::string& code, const std::string& name);

// Whether `rows` already hold `code` exactly (case-sensitive), and the message the
// registry shows for such a code: FourCC："XVID" は既に登録されています。
bool HasCodecRow(const std::vector<TCodecRow>& rows, const std::string& code);
std::string DuplicateCodeMessage(TCodecMode mode, const std::string& code);

}  // namespace nalo
