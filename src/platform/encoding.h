// Conversion between the code-page-932 text used inside the core and the bytes of
// the Linux file system and of typed text (UTF-8). Every character code page 932
// lacks, every private-use character and every stray byte of a name that is no
// text goes through the process's user-area table (platform/user_area_table.h),
// so any name converts in and back out to exactly its bytes. Text that code page
// 932 holds takes the plain iconv path and never touches the table.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace nalo {

// The core form of UTF-8 text. Bytes that are not UTF-8 are kept one by one as
// table codes. Nothing only when the user-area table has no code left.
std::optional<std::string> Utf8ToCp932(std::string_view utf8);

// The exact bytes behind a core text: UTF-8 for characters, table codes back to
// what they stand for. Nothing when the text is not valid code page 932 or holds a
// code of the user-defined area that the table never gave.
std::optional<std::string> Cp932ToUtf8(std::string_view cp932);

// Like Cp932ToUtf8, but invalid bytes and table codes for stray bytes become
// U+FFFD, so the result is always valid UTF-8; for showing text only.
std::string Cp932ToUtf8Lossy(std::string_view cp932);

// A name read from the disk in its core form.
struct TDiskName {
  std::string Text;
  // The bytes were legacy code page 932 (not UTF-8): Text is those very bytes,
  // and the disk name is their ByteUnitsOf form until the item is renamed.
  bool Legacy = false;
};

// The core form of an on-disk name: UTF-8 when the bytes are UTF-8 (ASCII-only
// names included), else legacy code page 932 when they are valid code page 932
// outside the user-defined area, else UTF-8 with its stray bytes kept. Nothing
// when the table has no code left for it.
std::optional<TDiskName> DiskNameToCp932(std::string_view bytes);

// The core text that converts back to exactly `bytes`: ASCII as it is, and each
// other byte, and the trail byte of a code-page-932 double-byte character, as its
// table code. Nothing when the table has no code left.
std::optional<std::string> ByteUnitsOf(std::string_view bytes);

// True when a character of the core text is a code of the user-defined area,
// which only the table gives meaning to.
bool HoldsUserAreaCode(std::string_view cp932);

// UTF-8 for a text engine that works on characters: each code of the
// user-defined area becomes the private-use character code page 932 defines for
// it (0xF040 <-> U+E000 ...), an opaque character that comes back to the same code
// whatever the table holds. Nothing when the text is not valid code page 932.
std::optional<std::string> Cp932ToOpaqueUtf8(std::string_view cp932);
// The way back from Cp932ToOpaqueUtf8; nothing for a character without a CP932
// form or one iconv maps one way only.
std::optional<std::string> OpaqueUtf8ToCp932(std::string_view utf8);

// The character a code of the user-defined area stands for; nothing for a code
// that stands for a stray byte or was never given.
std::optional<char32_t> UserAreaCharOf(std::uint16_t code);

// The core form of one character: its CP932 code, or its table code. Nothing when
// the table has no code left.
std::optional<std::string> CharToCp932(char32_t cp);

}  // namespace nalo
