// Named limits of the AWK-compatible engine. Each bounds the memory or the stack a
// single pattern may take, so that a hostile or mistyped pattern is refused with
// kMsgTooComplex instead of exhausting the machine; none is near realistic use.
#pragma once

#include <cstddef>

namespace nalo {

// Compiled patterns kept by TRegularExpression, the empty pattern included. The
// rule hands the pattern over once per entry; a user alternates between a few.
inline constexpr std::size_t kMaxCachedPatterns = 30;

// Groups nested inside each other. Recursive descent spends a few stack frames per
// level; 200 levels stay far below the stack even under sanitizers, and no name
// pattern a person writes nests deeper than a handful.
inline constexpr int kMaxGroupDepth = 200;

// Nodes of one parse tree, leaves included. Range refinement can split every leaf
// at every boundary of every other leaf (quadratic in the number of ranges); this
// allows patterns of thousands of ranges and caps the tree near 16 MB.
inline constexpr std::size_t kMaxParseNodes = 1'000'000;

// States plus transitions of one NFA. "+" copies its operand, so nested "+" double
// the automaton per level; 200,000 covers patterns of tens of thousands of
// characters and keeps the NFA near 4 MB.
inline constexpr std::size_t kMaxNfaSize = 200'000;

// States of one DFA. Subset construction can need 2^n states for n NFA states
// ((a|b)*a(a|b)(a|b)... with a dozen copies already needs thousands). 10,000
// states is far above any name pattern and builds in well under a second.
inline constexpr std::size_t kMaxDfaStates = 10'000;

// NFA state numbers stored over all DFA state sets during construction (4 bytes
// each): 4,000,000 entries bound the construction to about 16 MB and its time to
// a fraction of a second, whatever the shape of the sets.
inline constexpr std::size_t kMaxDfaSetEntries = 4'000'000;

// 256-entry byte rows of the lazily filled matching table of one pattern (1 KB
// each). A name pattern touches a few dozen; 2,048 rows are 2 MB per pattern and
// 60 MB for a full cache. Past it, matching continues on the slower per-character
// lookup instead of failing.
inline constexpr std::size_t kMaxTableRows = 2'048;

}  // namespace nalo
