#include "explorer/win32/list_view_fill.h"

#include <commctrl.h>

#include "explorer/win32/redraw_held.h"
#include "shell/general/win32/sort_list_view.h"

namespace explorerwin {

namespace {

// The list's columns, asked one by one: LVM_GETHEADER came with 4.70.
int ColumnCount(HWND list) {
  LVCOLUMNA column{};
  column.mask = LVCF_WIDTH;
  int count = 0;
  while (SendMessageA(list, LVM_GETCOLUMNA, count, reinterpret_cast<LPARAM>(&column))) {
    ++count;
  }
  return count;
}

}  // namespace

void FillListView(HWND list, const Explorer::ListContents& contents,
                  const shellwin::TwipsLayout& layout) {
  const RedrawHeld held(list);
  SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
  // A list view before comctl32 5.80 cannot delete its column zero: it is
  // changed in place, and only the columns after it go, the last first.
  const int kept = ColumnCount(list);
  for (int c = kept - 1; c >= 1; --c) {
    SendMessageA(list, LVM_DELETECOLUMN, c, 0);
  }

  for (std::size_t c = 0; c < contents.columns.size(); ++c) {
    const Explorer::Column& column = contents.columns[c];
    LVCOLUMNA header{};
    header.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    header.fmt = column.align == Explorer::Align::kRight ? LVCFMT_RIGHT : LVCFMT_LEFT;
    header.cx = layout.X(column.width);
    header.pszText = const_cast<char*>(column.header.c_str());
    header.iSubItem = static_cast<int>(c);
    const UINT message = c == 0 && kept > 0 ? LVM_SETCOLUMNA : LVM_INSERTCOLUMNA;
    SendMessageA(list, message, c, reinterpret_cast<LPARAM>(&header));
  }

  SendMessageA(list, LVM_SETITEMCOUNT, contents.rows.size(), 0);
  for (std::size_t r = 0; r < contents.rows.size(); ++r) {
    const Explorer::Row& row = contents.rows[r];
    LVITEMA item{};
    // Each row keeps its place in `contents`, which sorting leaves alone.
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = static_cast<int>(r);
    item.lParam = static_cast<LPARAM>(r);
    item.pszText = const_cast<char*>(row.text.c_str());
    const auto index =
        static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    for (std::size_t s = 0; s < row.subItems.size(); ++s) {
      LVITEMA cell{};
      cell.iSubItem = static_cast<int>(s + 1);
      cell.pszText = const_cast<char*>(row.subItems[s].c_str());
      SendMessageA(list, LVM_SETITEMTEXTA, index, reinterpret_cast<LPARAM>(&cell));
    }
  }
  Subs::ApplyListViewSort(list);
}

}  // namespace explorerwin
