// The keyboard, the clipboard and the right-click of an explorer window, as
// the real tree and list controls carry them.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "explorer/explorer_menus.h"
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
  LVITEMA state{};
  state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
  state.state = state.stateMask;
  for (const int row : rows)
    SendMessageA(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
}

TEST_F(ExplorerWineTest, TabAndF6MoveTheFocusBetweenTreeAndList) {
  frmExplorer& window = LoadFrame();
  HWND tree = window.TreeView1();
  HWND list = window.ListView1();
  const struct {
    HWND from;
    WPARAM key;
    int modifier;
  } cases[] = {
      {tree, VK_TAB, 0}, {list, VK_TAB, VK_SHIFT}, {tree, VK_F6, 0}, {list, VK_F6, VK_SHIFT}};
  for (const auto& c : cases) {
    SetFocus(c.from);
    Press(*frame, c.from, WM_KEYDOWN, c.key, c.modifier);
    EXPECT_EQ(GetFocus(), c.from == tree ? list : tree) << c.key << " " << c.modifier;
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
  } cases[] = {{window.TreeView1(), {}, window.Processes().Item(1).msExePath},
               {list, {0}, first},
               {list, {0, 1}, "Item\tValue\r\n" + first + second}};
  for (const auto& c : cases) {
    SelectRows(list, c.rows);
    SetFocus(c.focus);
    Press(*frame, c.focus, WM_KEYDOWN, 'C', VK_CONTROL);
    EXPECT_EQ(ClipboardText(), c.text);
  }
}

// The items of the popup menu a timer finds open, which it then closes.
std::vector<std::string> gMenuSeen;
void CALLBACK ReadOpenMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND popup = FindWindowA("#32768", nullptr);
  if (popup == nullptr || !IsWindowVisible(popup)) return;
  KillTimer(nullptr, timer);
  auto menu = reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0));
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    char text[64] = {};
    GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
    const bool off = (GetMenuState(menu, i, MF_BYPOSITION) & MF_GRAYED) != 0;
    const bool byDefault = GetMenuDefaultItem(menu, TRUE, GMDI_USEDISABLED) == UINT(i);
    gMenuSeen.push_back(text + std::string(off ? " (off)" : "") + (byDefault ? " (default)" : ""));
  }
  EndMenu();
}

TEST_F(ExplorerWineTest, ARightClickOrShiftF10OpensTheMenuOfTheItem) {
  frmExplorer& window = LoadFrame();
  const struct {
    const char* key;  // the node clicked on, or selected for the list's first row
    bool fromKeyboard;
    const char* properties;
  } cases[] = {{"Proc1", false, "P&roperties... (default)"},
               {"Task", false, "P&roperties... (off) (default)"},
               {"Proc", true, "P&roperties... (default)"}};
  for (const auto& c : cases) {
    gMenuSeen.clear();
    LPARAM at = -1;
    HWND control = c.fromKeyboard ? window.ListView1() : window.TreeView1();
    Select(window, c.fromKeyboard ? c.key : "Mod");
    SelectRows(window.ListView1(), {0});
    SetFocus(control);
    if (!c.fromKeyboard) {  // the middle of the node's label
      RECT rect{};
      HTREEITEM item = window.Node(c.key);
      std::memcpy(&rect, &item, sizeof item);
      ASSERT_TRUE(SendMessageA(control, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rect)));
      POINT point{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
      ClientToScreen(control, &point);
      at = MAKELPARAM(point.x, point.y);
    }
    SetTimer(nullptr, 0, 50, ReadOpenMenu);
    SendMessageA(control, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(control), at);
    EXPECT_EQ(gMenuSeen,
              (std::vector<std::string>{c.properties, "&Copy", "&Find...", "Snapshot &Again"}));
    EXPECT_EQ(Selected(window.TreeView1()), window.Node(c.key));
    // File > Properties is greyed as the menu's item is.
    const UINT state = GetMenuState(
        window.Menu(), frmExplorer::MenuCommand(Subs::FrameMenu::kFile, Explorer::kFileProperties),
        MF_BYCOMMAND);
    EXPECT_EQ((state & MF_GRAYED) != 0, std::strstr(c.properties, "(off)") != nullptr) << c.key;
  }
}

}  // namespace
}  // namespace kes_test
