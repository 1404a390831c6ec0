// The keyboard, the clipboard and the right-click of an explorer window, as
// the real tree and list controls carry them.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "explorer/win32/frm_explorer.h"
#include "tests/wine/explorer/explorer_fixture.h"

namespace kes_test {
namespace {

using explorerwin::frmExplorer;

std::string ClipboardText() {
  std::string text = "<none>";
  if (OpenClipboard(nullptr)) {
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
      text = static_cast<const char*>(GlobalLock(data));
      GlobalUnlock(data);
    }
    CloseClipboard();
  }
  return text;
}

void SelectRows(HWND list, std::initializer_list<int> rows) {
  LVITEMA none{};
  none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
  for (const int row : rows) {
    LVITEMA state{};
    state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
  }
}

TEST_F(ExplorerWineTest, TabAndF6MoveTheFocusBetweenTreeAndList) {
  frmExplorer& window = LoadFrame();
  HWND tree = window.TreeView1();
  HWND list = window.ListView1();
  const struct {
    HWND from;
    WPARAM key;
    int modifier;
    HWND to;
  } cases[] = {
      {tree, VK_TAB, 0, list},        {list, VK_TAB, 0, tree}, {tree, VK_TAB, VK_SHIFT, list},
      {list, VK_TAB, VK_SHIFT, tree}, {tree, VK_F6, 0, list},  {list, VK_F6, VK_SHIFT, tree},
  };
  for (const auto& c : cases) {
    SetFocus(c.from);
    Press(*frame, c.from, WM_KEYDOWN, c.key, c.modifier);
    EXPECT_EQ(GetFocus(), c.to) << c.key << " " << c.modifier
                                << " from the tree: " << (c.from == tree);
  }
}

TEST_F(ExplorerWineTest, CtrlCCopiesTheNodeOrTheSelectedRows) {
  frmExplorer& window = LoadFrame();
  Select(window, "Proc1");  // a sheet of items and values
  HWND list = window.ListView1();
  const std::string first = Cell(list, 0, 0) + "\t" + Cell(list, 0, 1) + "\r\n";
  const std::string second = Cell(list, 1, 0) + "\t" + Cell(list, 1, 1) + "\r\n";
  const struct {
    HWND focus;
    std::initializer_list<int> rows;
    std::string text;
  } cases[] = {
      {window.TreeView1(), {}, window.Processes().Item(1).msExePath},
      {list, {0}, first},
      {list, {0, 1}, "Item\tValue\r\n" + first + second},
  };
  for (const auto& c : cases) {
    SelectRows(window.ListView1(), c.rows);
    SetFocus(c.focus);
    Press(*frame, c.focus, WM_KEYDOWN, 'C', VK_CONTROL);
    EXPECT_EQ(ClipboardText(), c.text);
  }
}

// The items of the popup menu that a timer finds open, then closed.
std::vector<std::string> gMenuSeen;
void CALLBACK ReadOpenMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND popup = FindWindowA("#32768", nullptr);
  if (popup == nullptr || !IsWindowVisible(popup)) {
    return;
  }
  KillTimer(nullptr, timer);
  auto menu = reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0));
  const UINT byDefault = GetMenuDefaultItem(menu, TRUE, GMDI_USEDISABLED);
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    char text[64] = {};
    GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
    std::string item = text;
    if ((GetMenuState(menu, i, MF_BYPOSITION) & MF_GRAYED) != 0) item += " (off)";
    if (static_cast<UINT>(i) == byDefault) item += " (default)";
    gMenuSeen.push_back(item);
  }
  EndMenu();
}

TEST_F(ExplorerWineTest, ARightClickOrShiftF10OpensTheMenuOfTheItem) {
  frmExplorer& window = LoadFrame();
  const struct {
    const char* key;  // the node selected, or clicked on
    bool onList;      // the list's first row, from the keyboard
    std::vector<std::string> items;
  } cases[] = {
      {"Proc1", false, {"P&roperties... (default)", "&Copy", "&Find...", "Snapshot &Again"}},
      {"Task", false, {"P&roperties... (off) (default)", "&Copy", "&Find...", "Snapshot &Again"}},
      {"Proc", true, {"P&roperties... (default)", "&Copy", "&Find...", "Snapshot &Again"}},
  };
  for (const auto& c : cases) {
    gMenuSeen.clear();
    LPARAM at = -1;
    HWND control = window.ListView1();
    if (c.onList) {
      Select(window, c.key);
      SelectRows(control, {0});
      SetFocus(control);
    } else {
      // A click in the middle of the node's label, which it selects.
      control = window.TreeView1();
      Select(window, "Mod");
      RECT rect{};
      HTREEITEM item = window.Node(c.key);
      std::memcpy(&rect, &item, sizeof item);
      SendMessageA(control, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(window.Node(c.key)));
      ASSERT_TRUE(SendMessageA(control, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rect)));
      POINT point{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
      ClientToScreen(control, &point);
      at = MAKELPARAM(point.x, point.y);
    }
    SetTimer(nullptr, 0, 50, ReadOpenMenu);
    SendMessageA(control, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(control), at);
    EXPECT_EQ(gMenuSeen, c.items) << c.key;
    if (!c.onList) {
      EXPECT_EQ(Selected(window.TreeView1()), window.Node(c.key));
    }
  }
}

}  // namespace
}  // namespace kes_test
