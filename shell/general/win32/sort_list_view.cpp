#include "shell/general/win32/sort_list_view.h"

#include <commctrl.h>

#include <string>

namespace Subs {

namespace {

// The settings live in window properties of the control itself. They hold
// plain numbers, no memory, and the system drops them with the window.
constexpr const char* kPropSortKey = "KestrelSortKey";
constexpr const char* kPropSorted = "KestrelSorted";
constexpr const char* kPropSortOrder = "KestrelSortOrder";

std::intptr_t GetNumber(HWND window, const char* name) {
  return reinterpret_cast<std::intptr_t>(GetPropA(window, name));
}

void SetNumber(HWND window, const char* name, std::intptr_t value) {
  SetPropA(window, name, reinterpret_cast<HANDLE>(value));
}

std::string CellText(HWND listView, int row, int column) {
  // Cells hold file paths and names; MAX_PATH covers the longest.
  char buffer[MAX_PATH + 1] = {};
  LVITEMA item = {};
  item.iSubItem = column;
  item.pszText = buffer;
  item.cchTextMax = sizeof buffer;
  SendMessageA(listView, LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
               reinterpret_cast<LPARAM>(&item));
  return buffer;
}

struct SortContext {
  HWND listView;
  int column;
  bool descending;
};

// Rows compare by the texts of their cells, so "10" comes before "9".
int CALLBACK CompareRows(LPARAM row1, LPARAM row2, LPARAM context) {
  const auto& sort = *reinterpret_cast<const SortContext*>(context);
  const int result =
      lstrcmpiA(CellText(sort.listView, static_cast<int>(row1), sort.column).c_str(),
                CellText(sort.listView, static_cast<int>(row2), sort.column).c_str());
  return sort.descending ? -result : result;
}

}  // namespace

ListViewSort GetListViewSort(HWND listView) {
  ListViewSort settings;
  settings.sortKey = static_cast<int>(GetNumber(listView, kPropSortKey));
  settings.sorted = GetNumber(listView, kPropSorted) != 0;
  switch (GetNumber(listView, kPropSortOrder)) {
    case 1:
      settings.order = SortOrder::kAscending;
      break;
    case 2:
      settings.order = SortOrder::kDescending;
      break;
    default:
      settings.order = SortOrder::kNone;
  }
  return settings;
}

void SortListView(HWND listView, std::int16_t column) {
  if (!IsWindow(listView)) return;
  SetNumber(listView, kPropSortKey, column - 1);
  SetNumber(listView, kPropSorted, 1);
  const bool wasAscending = GetListViewSort(listView).order == SortOrder::kAscending;
  SetNumber(listView, kPropSortOrder, wasAscending ? 2 : 1);
  ApplyListViewSort(listView);
}

void ApplyListViewSort(HWND listView) {
  const ListViewSort settings = GetListViewSort(listView);
  if (!IsWindow(listView) || !settings.sorted) return;
  SortContext context{listView, settings.sortKey, settings.order == SortOrder::kDescending};
  SendMessageA(listView, LVM_SORTITEMSEX, reinterpret_cast<WPARAM>(&context),
               reinterpret_cast<LPARAM>(&CompareRows));
}

}  // namespace Subs
