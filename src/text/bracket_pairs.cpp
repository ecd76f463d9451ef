// The twelve bracket pairs shared by the bracket replacement and the bracket move, as
// code-page-932 bytes: five single-byte pairs, the half-width corner brackets among
// them, then seven double-byte pairs.
#include "text/name_text.h"

namespace nalo {

const std::array<TBracketPair, 12> BracketPairs = {{
    {"(", ")"},
    {"[", "]"},
    {"\xA2", "\xA3"},          // ｢ ｣
    {"<", ">"},
    {"{", "}"},
    {"\x81\x69", "\x81\x6A"},  // （ ）
    {"\x81\x6D", "\x81\x6E"},  // ［ ］
    {"\x81\x75", "\x81\x76"},  // 「 」
    {"\x81\x79", "\x81\x7A"},  // 【 】
    {"\x81\x77", "\x81\x78"},  // 『 』
    {"\x81\x6B", "\x81\x6C"},  // 〔 〕
    {"\x81\x73", "\x81\x74"},  // 《 》
}};

}  // namespace nalo
