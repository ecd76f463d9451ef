// The combo boxes of the add, convert, move and regex frames: editable candidate
// combos (a Tag for the combo menu, the CP932 guard, no insertion on Enter) and
// fixed drop-down lists filled from the core's item tables.
#pragma once

#include <QString>
#include <array>
#include <string_view>

class QComboBox;
class QWidget;

namespace nalo {

class TMessenger;

// An editable candidate combo named `name` carrying `tag`.
QComboBox* MakeCandidateCombo(QWidget* parent, const char* name, int tag, TMessenger& messenger);

// A drop-down list named `name` with the given UTF-8 items, item 0 selected.
QComboBox* MakeListCombo(QWidget* parent, const char* name, const std::string_view* items,
                         std::size_t count);
template <std::size_t N>
QComboBox* MakeListCombo(QWidget* parent, const char* name,
                         const std::array<std::string_view, N>& items) {
  return MakeListCombo(parent, name, items.data(), N);
}

// The index to select in a list of `count` items: `index` when it is one of them,
// otherwise `fallback`. Records read from files may hold any number.
int IndexWithin(int index, int count, int fallback);

}  // namespace nalo
