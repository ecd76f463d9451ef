// The move tab: a piece is cut out of every target name and put in again at one of
// the insert positions. The piece is either the bracket group that opens the name
// or the first occurrence of a string (matched with or without regard to case).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "rules/rule_run.h"
#include "settings/tab_status.h"

namespace nalo {

// A name split into the moved piece and what remains of the name.
struct TMoveCut {
  std::string Piece;
  std::string Rest;
};

// The validation message for the record; empty when it may run.
std::string_view ValidateMoveRule(const TTabStatus_Move& status, bool folder_mode);

// Cuts the piece the record chooses out of `name`; nothing when there is none to
// move (no bracket group opening the name, the string absent, no bracket kind).
std::optional<TMoveCut> CutMovePiece(std::string_view name, const TTabStatus_Move& status);

TRuleResult RunMoveRule(const TRuleContext& ctx, const TTabStatus_Move& status);

}  // namespace nalo
