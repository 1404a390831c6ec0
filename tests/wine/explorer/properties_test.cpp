#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "explorer/win32/frm_explorer.h"
#include "explorer/win32/frm_properties.h"
#include "settings/settings_store.h"
#include "snapshot/display_rules.h"
#include "tests/wine/explorer/explorer_fixture.h"

namespace kes_test {
namespace {

using explorerwin::frmExplorer;
using Rows = std::vector<std::pair<std::string, std::string>>;

// Shows the properties with `show` and reads the sheet of the window
// captioned `caption`, then closes it with Esc.
Rows ShownProperties(const std::string& caption, const std::function<void()>& show) {
  Rows rows;
  ModalDriver driver;
  driver.When(caption, [&rows](HWND dialog) {
    HWND sheet = GetDlgItem(dialog, explorerwin::frmProperties::kSheetId);
    const int count = static_cast<int>(SendMessageA(sheet, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
      rows.emplace_back(Cell(sheet, row, 0), Cell(sheet, row, 1));
    }
    PostMessageA(sheet, WM_KEYDOWN, VK_ESCAPE, 0);
  });
  const QuitAfter guard(kGuardMs);
  show();
  EXPECT_FALSE(guard.Fired()) << caption;
  EXPECT_EQ(driver.Seen(), std::vector<std::string>{caption});
  EXPECT_EQ(FindWindowA(nullptr, caption.c_str()), nullptr) << "still open";
  return rows;
}

std::string FileName(const std::string& path) { return path.substr(path.rfind('\\') + 1); }

TEST_F(ExplorerWineTest, AltEnterShowsAModulesFileWithTheStringsOfItsVersionResource) {
  HMODULE library = LoadLibraryA("kesver.dll");
  ASSERT_NE(library, nullptr);
  frmExplorer& window = LoadFrame();
  const clsModule* kesver = nullptr;
  for (int i = 1; i <= window.Processes().Count() && kesver == nullptr; ++i) {
    const clsProcess& process = window.Processes().Item(i);
    for (int j = 1; j <= process.mcolModules.Count(); ++j) {
      if (Upper(FileName(process.mcolModules.Item(j).msExePath)) == "KESVER.DLL") {
        kesver = &process.mcolModules.Item(j);
      }
    }
  }
  ASSERT_NE(kesver, nullptr);
  Select(window, "Mod" + std::to_string(kesver->mlID));

  const Rows rows = ShownProperties(FileName(kesver->msExePath) + " Properties", [&] {
    Press(*frame, window.TreeView1(), WM_SYSKEYDOWN, VK_RETURN, VK_MENU);
  });
  EXPECT_EQ(rows, (Rows{{"Path:", kesver->msExePath},
                        {"Size:", std::to_string(kesver->mlFileSize)},
                        {"Date:", kesver->msFileDateTime},
                        {"Version:", "4.40000.0.1998"},
                        {"Attributes:", "Archive"},
                        {"Description:", "Kestrel test library"},
                        {"Company:", "Fernbrook Software"},
                        {"Product Name:", "Kestrel"},
                        {"Product Version:", "1.2.3.4"},
                        {"Copyright:", "Copyright (C) 1999 Fernbrook Software"},
                        {"Original File Name:", "kesver.dll"},
                        {"Internal Name:", "kesver"},
                        {"Comments:", "Built for the tests"}}));
  EXPECT_TRUE(boxes.shown.empty());
  FreeLibrary(library);
}

TEST_F(ExplorerWineTest, ADoubleClickOnAProcessRowShowsItsIdentifierParentThreadsAndPriority) {
  frmExplorer& window = LoadFrame();
  Select(window, "Proc");
  const clsProcess& first = window.Processes().Item(1);
  LVITEMA state{};
  state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageA(window.ListView1(), LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
  NMHDR click{window.ListView1(), static_cast<UINT_PTR>(GetDlgCtrlID(window.ListView1())),
              static_cast<UINT>(NM_DBLCLK)};

  const Rows rows = ShownProperties(FileName(first.msExePath) + " Properties", [&] {
    SendMessageA(window.Handle(), WM_NOTIFY, click.idFrom, reinterpret_cast<LPARAM>(&click));
  });
  const std::int16_t idView = Subs::giIDView;
  const Rows expected{
      {"Process ID:", Display::Identifier(first.mlth32ProcessID, idView)},
      {"Parent ProcessID:", Display::Identifier(first.mlth32ParentProcessID, idView)},
      {"Threads:", std::to_string(first.mcntThreads)},
      {"Priority:", Display::PriorityName(first.mlPriority)}};
  ASSERT_GE(rows.size(), 9u);
  EXPECT_EQ(rows.front(), (std::pair<std::string, std::string>{"Path:", first.msExePath}));
  EXPECT_EQ(Rows(rows.begin() + 5, rows.begin() + 9), expected);
}

}  // namespace
}  // namespace kes_test
