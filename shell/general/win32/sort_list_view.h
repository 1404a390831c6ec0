#pragma once

#include <windows.h>

#include <cstdint>

namespace Subs {

enum class SortOrder { kNone, kAscending, kDescending };

// The sort settings a list view carries: the column whose cell texts order
// the rows (0 is the row text), whether sorting is on, and the direction.
// They stay with the control, so every later fill can be sorted the same way.
struct ListViewSort {
  int sortKey = 0;
  bool sorted = false;
  SortOrder order = SortOrder::kNone;
};

ListViewSort GetListViewSort(HWND listView);

// After a click on the header at the 1-based position column: sort by that
// column, switch sorting on and flip the direction (ascending becomes
// descending, anything else ascending), whichever column was sorted before.
// A list that was never sorted sorts ascending first. Failures are ignored.
void SortListView(HWND listView, std::int16_t column);

// Orders the rows by the list's sort settings; does nothing while sorting is
// off. For use after the list has been filled again.
void ApplyListViewSort(HWND listView);

}  // namespace Subs
