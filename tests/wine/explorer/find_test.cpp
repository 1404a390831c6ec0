#include <string>
#include <vector>

#include "explorer/win32/frm_explorer.h"
#include "tests/wine/explorer/explorer_fixture.h"

namespace kes_test {
namespace {

using explorerwin::frmExplorer;

TEST_F(ExplorerWineTest, CtrlFFindsAModuleByPartOfItsNameAndF3TheNextProcessThatLoadedIt) {
  frmExplorer& window = LoadFrame();
  HWND tree = window.TreeView1();
  // The first two processes that loaded KERNEL32, with their module of it.
  std::vector<std::pair<int, const clsModule*>> users;
  for (int i = 1; i <= window.Processes().Count() && users.size() < 2; ++i) {
    const clsProcess& process = window.Processes().Item(i);
    for (int j = 1; j <= process.mcolModules.Count(); ++j) {
      if (Upper(process.mcolModules.Item(j).msExePath).find("KERNEL32") != std::string::npos) {
        users.emplace_back(process.mlID, &process.mcolModules.Item(j));
        break;
      }
    }
  }
  ASSERT_EQ(users.size(), 2u);

  SetFocus(tree);
  Press(*frame, tree, WM_KEYDOWN, 'F', VK_CONTROL);
  ASSERT_NE(window.FindBox(), nullptr);
  HWND text = window.FindBox()->TextBox();
  EXPECT_TRUE(IsWindowVisible(GetParent(text)));
  EXPECT_EQ(GetFocus(), text);
  SetWindowTextA(text, "rnel32");
  Press(*frame, text, WM_KEYDOWN, VK_RETURN);

  const std::string key = "Mod" + std::to_string(users[0].second->mlID);
  EXPECT_EQ(Selected(tree), window.Node(key));
  EXPECT_EQ(GetFocus(), tree);
  EXPECT_EQ(Cell(window.ListView1(), 1, 1), users[0].second->msExePath);

  Press(*frame, tree, WM_KEYDOWN, VK_F3);
  EXPECT_EQ(Selected(tree), window.Node("Mod" + std::to_string(users[1].second->mlID)));
  EXPECT_EQ(reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_PARENT,
                                                     reinterpret_cast<LPARAM>(Selected(tree)))),
            window.Node("Proc" + std::to_string(users[1].first)));
  EXPECT_EQ(Cell(window.ListView1(), 1, 1), users[1].second->msExePath);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(ExplorerWineTest, F3WithoutASearchOpensTheBoxATextInNoNodeIsNotFoundAndEscClosesIt) {
  frmExplorer& window = LoadFrame();
  HWND tree = window.TreeView1();
  Press(*frame, tree, WM_KEYDOWN, VK_F3);
  ASSERT_NE(window.FindBox(), nullptr);
  HWND text = window.FindBox()->TextBox();
  HWND box = GetParent(text);
  EXPECT_TRUE(IsWindowVisible(box));

  // Alt+C ticks Match case.
  Press(*frame, text, WM_SYSCHAR, 'c');
  EXPECT_TRUE(window.FindBox()->Request().matchCase);
  SetWindowTextA(text, "No node holds this");
  Press(*frame, text, WM_KEYDOWN, VK_RETURN);
  EXPECT_EQ(boxes.shown, (Boxes{{"Cannot find \"No node holds this\"", "Kestrel", 0x30}}));
  EXPECT_EQ(Selected(tree), window.Node("Task"));

  Press(*frame, text, WM_KEYDOWN, VK_ESCAPE);
  EXPECT_FALSE(IsWindowVisible(box));
}

}  // namespace
}  // namespace kes_test
