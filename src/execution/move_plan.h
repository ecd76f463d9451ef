// The order in which a batch of renames is carried out. Each move renames one
// item within its folder. A move whose target is another move's source waits for
// that move, so the waits form chains and cycles: a chain runs from its free end,
// a cycle is opened by moving one item to a temporary name in the same folder and
// closed by moving it from there at the end. Deeper paths go before shallower
// ones, so a folder is renamed only after the items below it. Nothing in the plan
// ever needs to replace an item, so an item outside the batch is never touched.
#pragma once

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "execution/move_list.h"
#include "platform/file_ops.h"
#include "platform/item_identity.h"

namespace nalo {

// The errno values of the refusals the plan makes itself.
inline constexpr int kErrItemReplaced = ESTALE;  // not the item or folder that was listed
inline constexpr int kErrHoldsSettings = EBUSY;  // a folder holding the settings folder
inline constexpr int kErrFolderIsLink = ELOOP;   // the folder became a symbolic link
inline constexpr int kErrNotRun = EINTR;         // a stop signal ended the batch first

class TBatchPaths;

inline constexpr std::uint32_t kNoTemp = ~std::uint32_t{0};

// One call to the file system. A move takes one step, or two when it opens a
// cycle (source -> temporary, later temporary -> target). Moves and temporary
// names are counted in 32 bits, as the tables that plan them are.
struct TStep {
  std::uint32_t Move = 0;
  std::uint32_t Temp = kNoTemp;  // the temporary name the step goes to or comes from
  bool Last = true;              // the step that completes the move
  // The step starts from the move's source (not from a temporary name).
  bool Opening() const { return Temp == kNoTemp || !Last; }
  // The step ends at the move's target (not at a temporary name).
  bool Closing() const { return Last; }
};

struct TMovePlan {
  // Per move: an errno value that settles the move before the disk is touched
  // (EINVAL refused name, ENAMETOOLONG, EXDEV other folder, EEXIST duplicate
  // target, ENOENT no source (for a move without a listed identity), and the kErr
  // values above), else 0.
  std::vector<int> Refused;
  // Per move: the item expected at its source, compared with what sits there right
  // before each of its steps: the listed device and inode, or, for a move whose
  // listing gave no identity, a look taken when the plan was made. Unknown for a
  // refused move.
  std::vector<TItemIdentity> Source;
  // Bare temporary names of cycles, in the folder of the move that uses them;
  // plain ASCII, so the same in CP932 and UTF-8.
  std::vector<std::string> Temps;
  std::vector<TStep> Steps;  // in execution order
};

// Plans the moves; `paths` is their native form. A move with a listed identity is
// planned without touching the disk: whether its source is still there and still
// the listed item is settled at its step. Temporary names of cycles are
// ".nalo-swap-<pid>-<n>" in the cycle's folder, checked to be free when planned.
// A folder among `kept_folders` (the settings folder and those above it) is not
// renamed.
TMovePlan PlanMoves(const TMoveList& moves, const TBatchPaths& paths,
                    const std::vector<TFileIdentity>& kept_folders = {});

}  // namespace nalo
