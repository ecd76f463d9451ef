// The run loop and the searches. RunTable is the fast path: it stays on byte rows
// and only leaves them for the rare cases the table does not cover (no room for a
// new row, a lead byte as the very last byte), handing over to RunSlow, which
// steps by whole characters through TRE_DFA::Step with the same semantics.
#include "rules/awk/match_core.h"

#include "text/sjis.h"

namespace nalo {
namespace {

TRECode CodeAt(std::string_view text, std::size_t i, std::size_t len) {
  const auto b0 = static_cast<unsigned char>(text[i]);
  return len == 2 ? static_cast<TRECode>(b0 << 8 | static_cast<unsigned char>(text[i + 1])) : b0;
}

}  // namespace

bool TMatchCORE::UsesAnchors() const {
  const TRE_DFA& dfa = Current().Dfa;
  return dfa.UsesLineHead() || dfa.UsesLineTail();
}

std::size_t TMatchCORE::RunSlow(std::string_view text, std::size_t pos, std::int32_t state,
                                std::size_t last) const {
  const TRE_DFA& dfa = Current().Dfa;
  std::size_t i = pos;
  TRECode c = kEndCode;
  for (;;) {
    if (dfa.Accepting(state)) last = i;
    if (i >= text.size()) {
      c = kEndCode;
      break;
    }
    const std::size_t len = CharLengthAt(text, i);
    c = CodeAt(text, i, len);
    const std::int32_t next = dfa.Step(state, c);
    if (next == TRE_DFA::kNoState) break;
    state = next;
    i += len;
  }
  const bool at_line_end = i >= text.size() || c == LineEnd();
  return at_line_end && dfa.HasLineTail(state) ? i : last;
}

std::size_t TMatchCORE::RunTable(std::string_view text, std::size_t pos, std::int32_t row,
                                 std::size_t last) const {
  TRE_ByteTable& table = Current().Table;
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t n = text.size();
  const std::int32_t* entries = table.Entries();
  std::size_t i = pos;
  while (i < n) {
    const unsigned char b = bytes[i];
    std::int32_t e = entries[row + b];
    if (e < 0) {
      if (e == TRE_ByteTable::kUnknown) {
        e = table.Resolve(row, b);
        entries = table.Entries();
      }
      if (e == TRE_ByteTable::kDead) {
        // A lead byte that ends the text stands for itself as a single-byte character.
        if (i + 1 == n && IsLeadByte(b) && !table.IsTrailRow(row)) {
          return RunSlow(text, i, table.DfaState(row), last);
        }
        break;
      }
      if (e == TRE_ByteTable::kFull) {
        // Continue by characters from the start of the character being read.
        const std::size_t at = table.IsTrailRow(row) ? i - 1 : i;
        return RunSlow(text, at, table.DfaState(row), last);
      }
    }
    row = e & TRE_ByteTable::kRowMask;
    ++i;
    if (e & TRE_ByteTable::kAcceptBit) last = i;
  }
  if (table.IsTrailRow(row)) {
    // Stopped inside a double-byte character, or a lead byte ends the text and
    // stands for itself as a single-byte character.
    return i == n ? RunSlow(text, i - 1, table.DfaState(row), last) : last;
  }
  const bool at_line_end = i == n || bytes[i] == LineEnd();
  return at_line_end && Current().Dfa.HasLineTail(table.DfaState(row)) ? i : last;
}

std::size_t TMatchCORE::MatchHere(std::string_view text, std::size_t pos, std::int32_t state) const {
  if (state == TRE_DFA::kNoState) return kNoMatch;
  TRECompiledPattern& p = Current();
  const std::size_t last = p.Dfa.Accepting(state) ? pos : kNoMatch;
  const std::int32_t row = p.Table.RowOf(state);
  if (row == TRE_ByteTable::kFull) return RunSlow(text, pos, state, last);
  return RunTable(text, pos, row, last);
}

std::size_t TMatchCORE::MatchAtLineStart(std::string_view text, std::size_t pos,
                                         std::int32_t state) const {
  const TRE_DFA& dfa = Current().Dfa;
  if (!dfa.UsesLineHead()) return MatchHere(text, pos, state);
  // The longer of the runs with and without the "^" move. A run without it counts
  // even when the "^" run fails, so "|^x" matches the empty text like "^x|".
  const std::size_t p = MatchHere(text, pos, dfa.LineHeadTarget(state));
  const std::size_t q = MatchHere(text, pos, state);
  if (p == kNoMatch) return q;
  return q != kNoMatch && q >= p ? q : p;
}

std::optional<TREMatch> TMatchCORE::FindFirstUnanchored(std::string_view text, std::size_t from) const {
  TRECompiledPattern& p = Current();
  const bool initial_accepts = p.Dfa.Accepting(TRE_DFA::kInitial);
  if (from >= text.size()) {
    if (initial_accepts) return TREMatch{from, from};
    return std::nullopt;
  }
  const std::int32_t row = p.Table.RowOf(TRE_DFA::kInitial);
  const std::uint8_t* skip = p.Table.StartSkip();
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  for (std::size_t i = from;; i += CharLengthAt(text, i)) {
    while (i < text.size() && skip[bytes[i]] != 0) i += skip[bytes[i]];
    if (i >= text.size()) break;
    const std::size_t last = initial_accepts ? i : kNoMatch;
    const std::size_t end = row == TRE_ByteTable::kFull ? RunSlow(text, i, TRE_DFA::kInitial, last)
                                                        : RunTable(text, i, row, last);
    if (end != kNoMatch) return TREMatch{i, end};
  }
  return std::nullopt;
}

std::optional<TREMatch> TMatchCORE::FindFirstAnchored(std::string_view text, std::size_t from) const {
  const std::size_t end = MatchAtLineStart(text, from, TRE_DFA::kInitial);
  if (end != kNoMatch) return TREMatch{from, end};
  return FindNext(text, from);
}

std::optional<TREMatch> TMatchCORE::FindNext(std::string_view text, std::size_t from) const {
  TRECompiledPattern& p = Current();
  const TRE_DFA& dfa = p.Dfa;
  const std::uint8_t* skip = p.Table.StartSkip();
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  for (std::size_t i = from;; i += CharLengthAt(text, i)) {
    while (i < text.size() && skip[bytes[i]] != 0) i += skip[bytes[i]];
    if (i >= text.size()) break;
    std::size_t end = MatchHere(text, i, TRE_DFA::kInitial);
    if (end != kNoMatch) return TREMatch{i, end};
    if (text[i] == '\n' && dfa.UsesLineHead()) {
      end = MatchAtLineStart(text, i + 1, TRE_DFA::kInitial);
      if (end != kNoMatch) return TREMatch{i + 1, end};
    }
  }
  if (dfa.UsesLineTail() && dfa.HasLineTail(TRE_DFA::kInitial)) {
    return TREMatch{text.size(), text.size()};
  }
  return std::nullopt;
}

}  // namespace nalo
