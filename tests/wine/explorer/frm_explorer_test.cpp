#include "explorer/win32/frm_explorer.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "explorer/explorer_menus.h"
#include "shell/general/win32/sort_list_view.h"
#include "shell/win32/modal_loop.h"
#include "tests/wine/explorer/explorer_fixture.h"

namespace kes_test {
namespace {

using explorerwin::frmExplorer;
using Subs::FrameMenu;

std::vector<std::string> Headers(HWND list) {
  std::vector<std::string> headers;
  HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
  const int count = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    char text[128] = {};
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT;
    column.pszText = text;
    column.cchTextMax = sizeof text;
    SendMessageA(list, LVM_GETCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    headers.push_back(text);
  }
  return headers;
}

int RowCount(HWND list) { return static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)); }

std::string Panel(HWND statusBar, int panel) {
  char text[128] = {};
  SendMessageA(statusBar, SB_GETTEXTA, panel, reinterpret_cast<LPARAM>(text));
  return text;
}

bool Expanded(HWND tree, HTREEITEM item) {
  return (SendMessageA(tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_EXPANDED) &
          TVIS_EXPANDED) != 0;
}

// A click on the header of the 1-based column, as the list reports it.
void ClickHeader(const frmExplorer& window, int column) {
  NMLISTVIEW click{};
  click.hdr.hwndFrom = window.ListView1();
  click.hdr.idFrom = GetDlgCtrlID(window.ListView1());
  click.hdr.code = LVN_COLUMNCLICK;
  click.iItem = -1;
  click.iSubItem = column - 1;
  SendMessageA(window.Handle(), WM_NOTIFY, click.hdr.idFrom, reinterpret_cast<LPARAM>(&click));
}

TEST_F(ExplorerWineTest, LoadShowsTheSnapshotTotalsTheFirstNodeAndTheTopWindowsTable) {
  frmExplorer& window = LoadFrame();
  ASSERT_EQ(explorers->Windows().size(), 1u);
  EXPECT_TRUE(boxes.shown.empty()) << boxes.shown.front().text;

  EXPECT_EQ(TextOf(window.Handle()).rfind("Snapshot Taken At ", 0), 0u);
  EXPECT_GT(window.Processes().Count(), 0);
  EXPECT_GT(window.UniqueModules().Count(), 0);
  for (int i = 1; i <= window.Tasks().Count(); ++i) {
    EXPECT_NE(window.Tasks().Item(i).msName, "Please wait...");  // the viewer's own progress
  }
  const std::string totals[] = {"Totals:", "Top Windows: " + std::to_string(window.Tasks().Count()),
                                "Processes: " + std::to_string(window.Processes().Count()),
                                "Modules: " + std::to_string(window.UniqueModules().Count())};
  for (int panel = 0; panel < 4; ++panel) {
    EXPECT_EQ(Panel(window.StatusBar1(), panel), totals[panel]) << panel;
  }

  HWND tree = window.TreeView1();
  EXPECT_EQ(Selected(tree), window.Node("Task"));
  for (const char* root : {"Task", "Proc", "Mod"}) {
    EXPECT_TRUE(Expanded(tree, window.Node(root))) << root;
  }
  EXPECT_FALSE(Expanded(tree, window.Node("Proc1")));

  EXPECT_EQ(Headers(window.ListView1()), (std::vector<std::string>{"Name", "ID"}));
  ASSERT_EQ(RowCount(window.ListView1()), window.Tasks().Count());
  for (int i = 0; i < window.Tasks().Count(); ++i) {
    EXPECT_EQ(Cell(window.ListView1(), i, 0), window.Tasks().Item(i + 1).msName);
    EXPECT_EQ(Cell(window.ListView1(), i, 1), std::to_string(i + 1));
  }

  // The load is over: the frame works again, the splash has gone, and the
  // explorer's menu bar is the frame's.
  EXPECT_TRUE(IsWindowEnabled(frame->Handle()));
  EXPECT_EQ(FindWindowA(nullptr, "Please wait..."), nullptr);
  EXPECT_EQ(GetMenu(frame->Handle()), window.Menu());
}

TEST_F(ExplorerWineTest, EachKindOfNodeFillsItsTableOrSheet) {
  frmExplorer& window = LoadFrame();
  HWND list = window.ListView1();
  const clsProcess& first = window.Processes().Item(1);

  Select(window, "Proc");
  EXPECT_EQ(Headers(list).front(), "Process Name");
  EXPECT_EQ(Headers(list).size(), 13u);
  EXPECT_EQ(RowCount(list), window.Processes().Count());

  Select(window, "Mod");
  EXPECT_EQ(Headers(list).front(), "Module Name");
  EXPECT_EQ(RowCount(list), window.UniqueModules().Count());

  Select(window, "Proc1");
  EXPECT_EQ(Headers(list), (std::vector<std::string>{"Item", "Value"}));
  EXPECT_EQ(Cell(list, 0, 0), "Process:");
  EXPECT_EQ(Cell(list, 0, 1), first.msExePath);
  EXPECT_EQ(RowCount(list), 13 + first.mcolModules.Count());

  Select(window, "ModX1");
  EXPECT_EQ(Cell(list, 0, 0), "Module:");
  EXPECT_EQ(Cell(list, 0, 1), window.UniqueModules().Item(1).msExePath);

  // A module of a process: the first process that has one.
  for (int i = 1; i <= window.Processes().Count(); ++i) {
    const clsProcess& process = window.Processes().Item(i);
    if (process.mcolModules.Count() == 0) continue;
    const clsModule& module = process.mcolModules.Item(1);
    Select(window, "Mod" + std::to_string(module.mlID));
    EXPECT_EQ(Cell(list, 0, 0), "Module:");
    EXPECT_EQ(Cell(list, 0, 1), module.msName);
    EXPECT_EQ(Cell(list, 1, 1), module.msExePath);
    break;
  }

  if (window.Tasks().Count() > 0) {
    Select(window, "Task1");
    EXPECT_EQ(Cell(list, 0, 0), "Name:");
    EXPECT_EQ(Cell(list, 0, 1), window.Tasks().Item(1).msName);
  }

  // The keyboard moves the selection, and the list follows: down from the
  // "Processes" root is its first process.
  Select(window, "Proc");
  SetFocus(window.TreeView1());
  SendMessageA(window.TreeView1(), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(Selected(window.TreeView1()), window.Node("Proc1"));
  EXPECT_EQ(Cell(list, 0, 1), first.msExePath);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(ExplorerWineTest, TwoWindowsKeepTheirOwnSnapshotsAndSortAndOutliveEachOther) {
  frmExplorer& one = LoadFrame();
  frame->mnuView_Hook(Subs::kViewExplorer);
  ASSERT_EQ(explorers->Windows().size(), 2u);
  frmExplorer& two = *explorers->Windows()[1];
  EXPECT_NE(&one.Processes(), &two.Processes());
  EXPECT_EQ(GetMenu(frame->Handle()), two.Menu());
  // Its "&Window" menu lists both windows below its own four items.
  HMENU windowMenu = GetSubMenu(two.Menu(), 4);  // after File, Edit, View, Tools
  const int items = GetMenuItemCount(windowMenu);
  ASSERT_GE(items, 6);
  for (int item = items - 2; item < items; ++item) {
    char caption[128] = {};
    GetMenuStringA(windowMenu, item, caption, sizeof caption, MF_BYPOSITION);
    EXPECT_NE(std::string(caption).find("Snapshot Taken At "), std::string::npos) << item;
  }

  // Sorting the first window's processes by path; the second keeps its order.
  Select(one, "Proc");
  ClickHeader(one, 1);
  EXPECT_TRUE(Subs::GetListViewSort(one.ListView1()).sorted);
  EXPECT_EQ(Subs::GetListViewSort(one.ListView1()).order, Subs::SortOrder::kAscending);
  EXPECT_FALSE(Subs::GetListViewSort(two.ListView1()).sorted);
  ClickHeader(one, 1);
  EXPECT_EQ(Subs::GetListViewSort(one.ListView1()).order, Subs::SortOrder::kDescending);

  // The direction holds for the next node's rows.
  Select(one, "Mod");
  for (int row = 1; row < RowCount(one.ListView1()); ++row) {
    EXPECT_GE(
        lstrcmpiA(Cell(one.ListView1(), row - 1, 0).c_str(), Cell(one.ListView1(), row, 0).c_str()),
        0)
        << row;
  }

  SendMessageA(one.Handle(), WM_CLOSE, 0, 0);
  // Its snapshot went with it.
  EXPECT_EQ(one.Processes().Count(), 0);
  EXPECT_EQ(one.Tasks().Count() + one.UniqueModules().Count(), 0);
  ASSERT_EQ(explorers->Windows().size(), 1u);
  EXPECT_EQ(explorers->Windows().front(), &two);
  Select(two, "Proc");
  EXPECT_EQ(RowCount(two.ListView1()), two.Processes().Count());
  EXPECT_EQ(GetMenu(frame->Handle()), two.Menu());

  // With the last one closed, the frame's own menu comes back.
  SendMessageA(two.Handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(explorers->Windows().empty());
  EXPECT_EQ(GetMenu(frame->Handle()), frame->FrameMenu());
}

// What a click on the close box of the explorer being loaded found, made
// from the first message the load dispatches.
struct CloseDuringLoad {
  HWND frame = nullptr;
  HWND client = nullptr;
  bool frameEnabled = true;
  bool windowLived = false;
};

LRESULT CALLBACK CloseTheLoadingWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_APP) return DefWindowProcA(window, message, wParam, lParam);
  auto& seen = *reinterpret_cast<CloseDuringLoad*>(lParam);
  HWND loading = reinterpret_cast<HWND>(SendMessageA(seen.client, WM_MDIGETACTIVE, 0, 0));
  seen.frameEnabled = IsWindowEnabled(seen.frame) != FALSE;
  SendMessageA(loading, WM_SYSCOMMAND, SC_CLOSE, 0);
  seen.windowLived = IsWindow(loading) != FALSE;
  return 0;
}

// A close asked while the window takes its snapshot waits for the load, and
// the frame, which could start another Explore, is disabled from the start.
TEST_F(ExplorerWineTest, ACloseDuringTheLoadWaitsForItAndNoExploreCanStartMeanwhile) {
  LoadFrame();
  WNDCLASSA type{};
  type.lpfnWndProc = CloseTheLoadingWindow;
  type.hInstance = GetModuleHandleA(nullptr);
  type.lpszClassName = "KesCloseDuringLoad";
  RegisterClassA(&type);
  HWND helper = CreateWindowA(type.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              type.hInstance, nullptr);
  CloseDuringLoad seen{frame->Handle(), frame->Client()};
  PostMessageA(helper, WM_APP, 0, reinterpret_cast<LPARAM>(&seen));

  frame->mnuView_Hook(Subs::kViewExplorer);
  DestroyWindow(helper);
  EXPECT_FALSE(seen.frameEnabled);
  EXPECT_TRUE(seen.windowLived);
  ASSERT_EQ(explorers->Windows().size(), 2u);
  EXPECT_GT(explorers->Windows()[1]->Processes().Count(), 0);
  // The close comes back once the load is over.
  shellwin::DoEvents();
  EXPECT_EQ(explorers->Windows().size(), 1u);
  EXPECT_TRUE(IsWindowEnabled(frame->Handle()));
}

TEST_F(ExplorerWineTest, MenuChoicesReachTheFrameAndExitClosesIt) {
  LoadFrame();
  const auto command = [this](FrameMenu menu, int index) {
    SendMessageA(frame->Handle(), WM_COMMAND, frmExplorer::MenuCommand(menu, index), 0);
  };
  command(FrameMenu::kView, Subs::kViewExplorer);
  EXPECT_EQ(explorers->Windows().size(), 2u);
  command(FrameMenu::kHelp, Subs::kHelpContents);
  EXPECT_EQ(browser.opened, (std::vector<std::string>{HelpPage("index.htm")}));
  HWND frameWindow = frame->Handle();
  command(FrameMenu::kFile, Explorer::kFileExitItem);
  EXPECT_FALSE(IsWindow(frameWindow));
  EXPECT_TRUE(explorers->Windows().empty());
}

TEST_F(ExplorerWineTest, SplitterFollowsTheLeftButtonAndResizingKeepsTheListBesideTheTree) {
  frmExplorer& window = LoadFrame();
  RECT tree{};
  const auto width = [](HWND control) {
    RECT place{};
    GetWindowRect(control, &place);
    return place.right - place.left;
  };
  GetWindowRect(window.TreeView1(), &tree);
  const int before = width(window.TreeView1());
  // 2000 twips in, with the left button: the tree ends 60 twips short of it.
  SendMessageA(window.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(200, 50));
  EXPECT_EQ(width(window.TreeView1()), 198);
  SendMessageA(window.Handle(), WM_MOUSEMOVE, MK_RBUTTON, MAKELPARAM(300, 50));
  EXPECT_EQ(width(window.TreeView1()), 198);
  EXPECT_NE(before, 198);

  // Narrower than the tree + 1000 twips: widened back to exactly that.
  SetWindowPos(window.Handle(), nullptr, 0, 0, 100, 300, SWP_NOMOVE | SWP_NOZORDER);
  RECT outer{};
  GetWindowRect(window.Handle(), &outer);
  EXPECT_EQ(outer.right - outer.left, 198 + 67);
}

}  // namespace
}  // namespace kes_test
