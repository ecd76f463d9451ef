// TRE_ByteTable makes each matching step one array lookup. It is a lazily filled
// byte automaton over a TRE_DFA: a row of 256 entries per DFA state, and for a
// double-byte character a second row per (state, lead byte) indexed by the trail
// byte, so a pair is two byte steps that land on a character boundary. Rows and
// entries are made on first use and kept; past kMaxTableRows the matcher falls
// back to the per-character lookup of TRE_DFA. A start filter tells the searches
// which first bytes cannot begin a match, so they skip those without a run.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "rules/awk/re_dfa.h"

namespace nalo {

class TRE_ByteTable {
 public:
  // An entry is (row << 8) | accepting bit, or one of these.
  static constexpr std::int32_t kDead = -1;     // the character has no transition
  static constexpr std::int32_t kUnknown = -2;  // not computed yet
  static constexpr std::int32_t kFull = -3;     // no room for the target row
  static constexpr std::int32_t kAcceptBit = 1;
  static constexpr std::int32_t kRowMask = ~0xFF;

  explicit TRE_ByteTable(const TRE_DFA& dfa);

  // Entry offset (row << 8) of the row of DFA state `s`, or kFull.
  std::int32_t RowOf(std::int32_t s);
  // Computes and stores the entry at `row_base + byte`; returns it.
  std::int32_t Resolve(std::int32_t row_base, unsigned char byte);

  const std::int32_t* Entries() const { return entries_.data(); }
  // Per first byte: 0 when a match may start at a character beginning with it,
  // else the length of that character (1, or 2 for a lead byte), to skip it.
  const std::uint8_t* StartSkip() const { return start_skip_.data(); }
  // The DFA state of a row; for a trail row, the state before its lead byte.
  std::int32_t DfaState(std::int32_t row_base) const { return rows_[Row(row_base)].dfa_state; }
  // True for the row reached after a lead byte, in the middle of a character.
  bool IsTrailRow(std::int32_t row_base) const { return rows_[Row(row_base)].lead != 0; }

 private:
  struct RowInfo {
    std::int32_t dfa_state;
    unsigned char lead;  // 0 for a character row
  };
  static std::size_t Row(std::int32_t row_base) { return static_cast<std::size_t>(row_base) >> 8; }
  std::int32_t AddRow(std::int32_t dfa_state, unsigned char lead);
  std::int32_t EntryFor(std::int32_t target_state);

  void ComputeStartSkip();

  const TRE_DFA& dfa_;
  std::array<std::uint8_t, 256> start_skip_{};
  std::vector<std::int32_t> entries_;
  std::vector<RowInfo> rows_;
  std::vector<std::int32_t> row_of_state_;                       // -1 until made
  std::unordered_map<std::uint32_t, std::int32_t> trail_row_of_;  // (state << 8 | lead)
};

}  // namespace nalo
