// Conversions between the core's code-page-932 strings and Qt's QString. A stray
// byte of a name (neither UTF-8 nor code page 932) becomes the lone surrogate
// U+DC80-U+DCFF of its value, which Qt shows as a replacement mark and which turns
// back into the same byte, so editing another part of such a name keeps it. Text
// that goes back into the core takes the user-area table for characters beyond
// code page 932 and fails only when the table has no code left, which is reported
// instead of the text being changed.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace nalo {

// A CP932 name or path for display.
QString FromCp932(std::string_view cp932);
// A UTF-8 text of the core (messages, captions).
QString FromUtf8(std::string_view utf8);
// The core form of a text, or nothing when the user-area table is full.
std::optional<std::string> ToCp932(const QString& text);
// The first character of `text` that has no core form; empty when there is none.
QString FirstUnencodableChar(const QString& text);

// Shown when a typed or pasted text holds a character that cannot be part of a name.
QString UnencodableTextMessage(const QString& character);

}  // namespace nalo
