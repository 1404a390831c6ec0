#pragma once

#include <windows.h>

#include "explorer/detail_list.h"
#include "shell/win32/layout.h"

namespace explorerwin {

// Empties the list view and fills it with the columns (widths in twips at
// the display's resolution) and rows, drawing once at the end; the rows are
// then ordered by the sort settings the list keeps. Each row's item data is
// its position in `contents`.
void FillListView(HWND list, const Explorer::ListContents& contents,
                  const shellwin::TwipsLayout& layout);

}  // namespace explorerwin
