#include "explorer/win32/child_keys.h"

#include <cstring>
#include <memory>
#include <vector>

#include "explorer/copy_text.h"
#include "explorer/win32/child_chrome.h"
#include "explorer/win32/tree_view_nodes.h"

namespace explorerwin {

namespace {

struct MenuDeleter {
  void operator()(HMENU menu) const { DestroyMenu(menu); }
};
using OwnedMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter>;

// The clipboard, open for as long as this lives.
class OpenClipboardHeld {
 public:
  explicit OpenClipboardHeld(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
  ~OpenClipboardHeld() {
    if (open_) {
      CloseClipboard();
    }
  }
  OpenClipboardHeld(const OpenClipboardHeld&) = delete;
  OpenClipboardHeld& operator=(const OpenClipboardHeld&) = delete;
  bool Open() const { return open_; }

 private:
  bool open_;
};

std::string CellText(HWND list, int row, int column) {
  std::vector<char> text(1024, '\0');
  LVITEMA data{};
  data.iSubItem = column;
  data.pszText = text.data();
  data.cchTextMax = static_cast<int>(text.size());
  SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&data));
  return text.data();
}

std::vector<std::string> Headers(HWND list) {
  std::vector<std::string> headers;
  for (int column = 0;; ++column) {
    char text[256] = {};
    LVCOLUMNA data{};
    data.mask = LVCF_TEXT;
    data.pszText = text;
    data.cchTextMax = sizeof text;
    if (SendMessageA(list, LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&data)) == FALSE) {
      return headers;
    }
    headers.push_back(text);
  }
}

std::optional<std::string> SelectedRows(HWND list) {
  const std::vector<std::string> headers = Headers(list);
  std::vector<std::vector<std::string>> rows;
  int row = -1;
  while ((row = static_cast<int>(
              SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED))) >= 0) {
    std::vector<std::string> cells;
    for (std::size_t column = 0; column < headers.size(); ++column) {
      cells.push_back(CellText(list, row, static_cast<int>(column)));
    }
    rows.push_back(std::move(cells));
  }
  if (rows.empty()) {
    return std::nullopt;
  }
  return Explorer::CopiedRows(headers, rows);
}

// Below the left end of an item's rectangle, on the screen.
POINT BelowItem(HWND control, RECT item) {
  POINT at{item.left, item.bottom};
  ClientToScreen(control, &at);
  return at;
}

}  // namespace

bool MoveFocusByKey(const MSG& msg, HWND tree, HWND list) {
  if (msg.message != WM_KEYDOWN || (msg.wParam != VK_TAB && msg.wParam != VK_F6) ||
      (msg.hwnd != tree && msg.hwnd != list) || (GetKeyState(VK_CONTROL) & 0x8000) != 0 ||
      (GetKeyState(VK_MENU) & 0x8000) != 0) {
    return false;
  }
  SetFocus(msg.hwnd == tree ? list : tree);
  return true;
}

std::optional<std::string> CopyTextOf(HWND tree, HWND list) {
  HWND focus = GetFocus();
  if (focus != nullptr && focus == tree) {
    const auto item =
        reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    return item != nullptr ? std::optional<std::string>(TreeItemText(tree, item)) : std::nullopt;
  }
  return focus == list ? SelectedRows(list) : std::nullopt;
}

bool PutOnClipboard(HWND owner, const std::string& text) {
  const OpenClipboardHeld clipboard(owner);
  if (!clipboard.Open() || EmptyClipboard() == FALSE) {
    return false;
  }
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, text.size() + 1);
  if (memory == nullptr) {
    return false;
  }
  void* bytes = GlobalLock(memory);
  if (bytes == nullptr) {
    GlobalFree(memory);
    return false;
  }
  std::memcpy(bytes, text.c_str(), text.size() + 1);
  GlobalUnlock(memory);
  // The clipboard owns the memory once it takes it.
  if (SetClipboardData(CF_TEXT, memory) == nullptr) {
    GlobalFree(memory);
    return false;
  }
  return true;
}

std::optional<POINT> ContextMenuPlace(HWND control, LPARAM lParam, HWND tree, HWND list) {
  const bool fromKeyboard = lParam == -1;
  POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  if (control == tree) {
    auto item = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    if (!fromKeyboard) {
      TVHITTESTINFO hit{};
      hit.pt = at;
      ScreenToClient(tree, &hit.pt);
      item = reinterpret_cast<HTREEITEM>(
          SendMessageA(tree, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
      if (item == nullptr || (hit.flags & TVHT_ONITEM) == 0) {
        return std::nullopt;
      }
      SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
      return at;
    }
    RECT rect{};
    std::memcpy(&rect, &item, sizeof item);  // TVM_GETITEMRECT reads the item there
    if (item == nullptr ||
        SendMessageA(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rect)) == FALSE) {
      return std::nullopt;
    }
    return BelowItem(tree, rect);
  }
  if (control != list) {
    return std::nullopt;
  }
  if (!fromKeyboard) {
    // The list selected the row under the mouse itself; on no row, no menu.
    LVHITTESTINFO hit{};
    hit.pt = at;
    ScreenToClient(list, &hit.pt);
    return SendMessageA(list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)) >= 0
               ? std::optional<POINT>(at)
               : std::nullopt;
  }
  const auto row = static_cast<int>(
      SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED | LVNI_SELECTED));
  RECT rect{};
  rect.left = LVIR_LABEL;
  if (row < 0 ||
      SendMessageA(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect)) == FALSE) {
    return std::nullopt;
  }
  return BelowItem(list, rect);
}

void ShowContextMenu(HWND owner, std::span<const Explorer::ContextItem> items, POINT at,
                     const std::function<bool(const Explorer::ContextItem&)>& enabled) {
  const OwnedMenu menu(CreatePopupMenu());
  if (!menu) {
    return;
  }
  for (const Explorer::ContextItem& item : items) {
    const char* caption = Explorer::ItemCaption(item);
    AppendMenuA(menu.get(), MF_STRING | (enabled(item) ? MF_ENABLED : MF_GRAYED),
                ChildMenuCommand(item.menu, item.index), caption != nullptr ? caption : "");
  }
  SetMenuDefaultItem(menu.get(), 0, TRUE);
  TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr);
}

}  // namespace explorerwin
