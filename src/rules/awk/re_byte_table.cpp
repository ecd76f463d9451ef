// Filling the byte table. A character row's entry for a single byte is the DFA
// transition on that byte's code; for a lead byte it is the trail row of that
// (state, lead) pair, or dead when no transition of the state reaches any code
// with that lead. Byte 0 is never consumed, as code 0 stands for the end.
#include "rules/awk/re_byte_table.h"

#include "rules/awk/re_limits.h"
#include "text/sjis.h"

namespace nalo {

TRE_ByteTable::TRE_ByteTable(const TRE_DFA& dfa)
    : dfa_(dfa), row_of_state_(dfa.StateCount(), -1) {
  ComputeStartSkip();
}

// A start can be skipped when the run from the initial state surely fails there:
// the state does not accept, no transition takes the character (a lead byte is
// tried as a pair and, for the last byte of a text, alone), and the byte is
// neither a line end for "$" nor an LF after which "^" may hold.
void TRE_ByteTable::ComputeStartSkip() {
  const std::int32_t init = TRE_DFA::kInitial;
  for (int b = 0; b < 256; ++b) {
    const auto byte = static_cast<unsigned char>(b);
    bool can_start = dfa_.Accepting(init) || dfa_.Step(init, byte) != TRE_DFA::kNoState;
    if (IsLeadByte(byte)) {
      can_start = can_start || dfa_.HasTransitionIn(init, static_cast<TRECode>(b << 8),
                                                   static_cast<TRECode>(b << 8 | 0xFF));
    }
    const bool line_end = byte == '\r' || byte == '\n';
    can_start = can_start || (line_end && dfa_.HasLineTail(init)) ||
                (byte == '\n' && dfa_.UsesLineHead());
    start_skip_[byte] = can_start ? 0 : (IsLeadByte(byte) ? 2 : 1);
  }
}

std::int32_t TRE_ByteTable::AddRow(std::int32_t dfa_state, unsigned char lead) {
  if (rows_.size() >= kMaxTableRows) return kFull;
  rows_.push_back({dfa_state, lead});
  entries_.resize(entries_.size() + 256, kUnknown);
  return static_cast<std::int32_t>((rows_.size() - 1) << 8);
}

std::int32_t TRE_ByteTable::RowOf(std::int32_t s) {
  std::int32_t& row = row_of_state_[static_cast<std::size_t>(s)];
  if (row < 0) {
    const std::int32_t made = AddRow(s, 0);
    if (made == kFull) return kFull;
    row = made;
  }
  return row;
}

std::int32_t TRE_ByteTable::EntryFor(std::int32_t target_state) {
  if (target_state == TRE_DFA::kNoState) return kDead;
  const std::int32_t row = RowOf(target_state);
  if (row == kFull) return kFull;
  return row | (dfa_.Accepting(target_state) ? kAcceptBit : 0);
}

std::int32_t TRE_ByteTable::Resolve(std::int32_t row_base, unsigned char byte) {
  const RowInfo info = rows_[Row(row_base)];
  std::int32_t entry = kDead;
  if (info.lead != 0) {
    entry = EntryFor(dfa_.Step(info.dfa_state, static_cast<TRECode>(info.lead << 8 | byte)));
  } else if (!IsLeadByte(byte)) {
    entry = EntryFor(dfa_.Step(info.dfa_state, byte));
  } else if (dfa_.HasTransitionIn(info.dfa_state, static_cast<TRECode>(byte << 8),
                                  static_cast<TRECode>(byte << 8 | 0xFF))) {
    const std::uint32_t key = static_cast<std::uint32_t>(info.dfa_state) << 8 | byte;
    auto it = trail_row_of_.find(key);
    if (it != trail_row_of_.end()) {
      entry = it->second;
    } else {
      entry = AddRow(info.dfa_state, byte);
      if (entry != kFull) trail_row_of_.emplace(key, entry);
    }
  }
  if (entry != kFull) entries_[static_cast<std::size_t>(row_base) + byte] = entry;
  return entry;
}

}  // namespace nalo
