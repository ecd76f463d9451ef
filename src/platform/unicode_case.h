// Unicode's simple case mapping of single characters, for the characters the case
// rules meet that code page 932 does not hold (é <-> É). Independent of the
// process locale.
#pragma once

namespace nalo {

// The simple upper-case form of `cp`, or `cp` itself when it has none.
char32_t SimpleUpperCase(char32_t cp);
// The simple lower-case form of `cp`, or `cp` itself when it has none.
char32_t SimpleLowerCase(char32_t cp);

}  // namespace nalo
