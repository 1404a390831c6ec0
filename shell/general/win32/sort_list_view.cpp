#include "shell/general/win32/sort_list_view.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace Subs {

namespace {

// The settings live in window properties of the control itself; they hold
// plain numbers, no memory. A named property holds a global atom that
// Windows 95 and 98 never give back for a window destroyed with it, so the
// control is subclassed to remove them all before it goes.
constexpr const char* kPropSortKey = "KestrelSortKey";
constexpr const char* kPropSorted = "KestrelSorted";
constexpr const char* kPropSortOrder = "KestrelSortOrder";
constexpr const char* kPropProcedure = "KestrelSortProc";

std::intptr_t GetNumber(HWND window, const char* name) {
  return reinterpret_cast<std::intptr_t>(GetPropA(window, name));
}

void SetNumber(HWND window, const char* name, std::intptr_t value) {
  SetPropA(window, name, reinterpret_cast<HANDLE>(value));
}

LRESULT CALLBACK RemovePropsOnDestroy(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto previous = reinterpret_cast<WNDPROC>(GetPropA(window, kPropProcedure));
  if (message == WM_NCDESTROY) {
    for (const char* name : {kPropSortKey, kPropSorted, kPropSortOrder, kPropProcedure}) {
      RemovePropA(window, name);
    }
  }
  return CallWindowProcA(previous, window, message, wParam, lParam);
}

// Once per control, before its first property is set.
void RemovePropsWhenDestroyed(HWND window) {
  if (GetPropA(window, kPropProcedure) != nullptr) {
    return;
  }
  SetPropA(window, kPropProcedure,
           reinterpret_cast<HANDLE>(GetWindowLongPtrA(window, GWLP_WNDPROC)));
  SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RemovePropsOnDestroy));
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

LPARAM ItemData(HWND listView, int row) {
  LVITEMA item = {};
  item.mask = LVIF_PARAM;
  item.iItem = row;
  SendMessageA(listView, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  return item.lParam;
}

void SetItemData(HWND listView, int row, LPARAM data) {
  LVITEMA item = {};
  item.mask = LVIF_PARAM;
  item.iItem = row;
  item.lParam = data;
  SendMessageA(listView, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

// What a row is sorted by, and the item data it carried before the sort.
struct RowKey {
  std::string text;
  LPARAM data;
};

// Rows compare by the texts of their cells, so "10" comes before "9".
int CALLBACK CompareRows(LPARAM row1, LPARAM row2, LPARAM descending) {
  const int result = lstrcmpiA(reinterpret_cast<const RowKey*>(row1)->text.c_str(),
                               reinterpret_cast<const RowKey*>(row2)->text.c_str());
  return descending ? -result : result;
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
  if (!IsWindow(listView)) {
    return;
  }
  RemovePropsWhenDestroyed(listView);
  SetNumber(listView, kPropSortKey, column - 1);
  SetNumber(listView, kPropSorted, 1);
  const bool wasAscending = GetListViewSort(listView).order == SortOrder::kAscending;
  SetNumber(listView, kPropSortOrder, wasAscending ? 2 : 1);
  ApplyListViewSort(listView);
}

void ApplyListViewSort(HWND listView) {
  if (!IsWindow(listView)) {
    return;
  }
  const ListViewSort settings = GetListViewSort(listView);
  if (!settings.sorted) {
    return;
  }
  // The list sorts by item data alone; each row lends its data slot to its
  // sort key for the sort and gets its own data back afterwards.
  const int count = static_cast<int>(SendMessageA(listView, LVM_GETITEMCOUNT, 0, 0));
  std::vector<RowKey> keys(count);
  for (int row = 0; row < count; ++row) {
    keys[row] = {CellText(listView, row, settings.sortKey), ItemData(listView, row)};
    SetItemData(listView, row, reinterpret_cast<LPARAM>(&keys[row]));
  }
  SendMessageA(listView, LVM_SORTITEMS, settings.order == SortOrder::kDescending,
               reinterpret_cast<LPARAM>(&CompareRows));
  for (int row = 0; row < count; ++row) {
    SetItemData(listView, row, reinterpret_cast<const RowKey*>(ItemData(listView, row))->data);
  }
}

}  // namespace Subs
