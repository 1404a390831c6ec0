#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/win32/shell_links_win32.h"
#include "settings/settings_store.h"
#include "snapshot/display_rules.h"
#include "startup/win32/frm_startup.h"
#include "tests/wine/explorer/explorer_fixture.h"
#include "tests/wine/kesreport/kesreport_run.h"
#include "tests/wine/snapshot/child_process.h"

namespace {

using kes_test::Cell;
using kes_test::ProgramFolder;
using kes_test::Upper;

const std::string kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

std::string WindowsFile(const char* name) {
  char folder[MAX_PATH] = {};
  GetWindowsDirectoryA(folder, MAX_PATH);
  return std::string(folder) + "\\" + name;
}

// One entry in each kind of place, for the length of a test: a Run value
// whose program runs, a RunOnce value whose program is missing, a shortcut
// in the Startup folder written by keslink, and a load= line in WIN.INI.
class StartupWineTest : public kes_test::ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    ASSERT_TRUE(child.ready);
    ASSERT_TRUE(kes_test::PutRegistryValue(HKEY_LOCAL_MACHINE, kRun, "KesTestRunning", REG_SZ,
                                           "\"" + childPath + "\" /quiet"));
    ASSERT_TRUE(kes_test::PutRegistryValue(HKEY_LOCAL_MACHINE, kRun + "Once", "KesTestMissing",
                                           REG_SZ, "C:\\Kestrel Missing\\gone.exe /q"));
    ASSERT_NE(links.CreateShellLink("\\Startup", "KesTest", viewerPath, "/startup"), 0);
    winIni = kes_test::ReadAll(winIniPath);
    WriteWinIni("[windows]\r\nload=notepad\r\n" + winIni);
  }
  void TearDown() override {
    frame.reset();
    WriteWinIni(winIni);
    links.RemoveShellLink("\\Startup", "KesTest");
    for (const std::string& key : {kRun, kRun + "Once"}) {
      HKEY opened = nullptr;
      if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_SET_VALUE, &opened) == 0) {
        RegDeleteValueA(opened, "KesTestRunning");
        RegDeleteValueA(opened, "KesTestMissing");
        RegCloseKey(opened);
      }
    }
    ShellFixture::TearDown();
  }
  void WriteWinIni(const std::string& text) {
    platform::ScopedHandle file(CreateFileA(winIniPath.c_str(), GENERIC_WRITE, 0, nullptr,
                                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD done = 0;
    WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &done, nullptr);
  }
  // Tools > Startup Programs in a frame of its own; the window's list.
  HWND OpenWindow() {
    frame = std::make_unique<shellwin::MDIMain>(
        context, shellwin::FrameCommands{{}, {}, {}, {}, [this](shellwin::MDIMain& opened) {
                                           windows.Open(opened, memory);
                                         }});
    frame->Load();
    SendMessageA(frame->Handle(), WM_COMMAND, shellwin::MDIMain::kToolsBase + Subs::kToolsStartup,
                 0);
    const auto active =
        reinterpret_cast<HWND>(SendMessageA(frame->Client(), WM_MDIGETACTIVE, 0, 0));
    EXPECT_EQ(kes_test::TextOf(active), "Startup Programs");
    return FindWindowExA(active, nullptr, "SysListView32", nullptr);
  }

  const std::string childPath = ProgramFolder() + "snapshot_child.exe";
  const std::string viewerPath = ProgramFolder() + "kesview.exe";
  const std::string winIniPath = WindowsFile("WIN.INI");
  kes_test::ChildProcess child{childPath, ""};
  platform::Win32ShellLinks links{ProgramFolder() + "keslink.dll"};
  std::string winIni;
  FileFactsMemory memory{rule};
  startupwin::StartupWindows windows;
  std::unique_ptr<shellwin::MDIMain> frame;
};

// Program, Started From and Running of the row with this command, upper case.
std::vector<std::string> RowOf(HWND list, const std::string& command) {
  const int rows = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < rows; ++row) {
    if (Upper(Cell(list, row, 1)) == Upper(command)) {
      return {Upper(Cell(list, row, 0)), Cell(list, row, 2), Cell(list, row, 3)};
    }
  }
  return {};
}

TEST_F(StartupWineTest, ShowsEachEntryWithItsPlaceAndWhetherItRuns) {
  const HWND list = OpenWindow();
  ASSERT_NE(list, nullptr);
  const std::string running =
      Display::Identifier(static_cast<std::int32_t>(child.Id()), Subs::giIDView);
  struct Case {
    std::string command;
    std::vector<std::string> row;
  };
  const std::vector<Case> cases = {
      {"\"" + childPath + "\" /quiet", {Upper(childPath), "Registry: Run", running}},
      {"C:\\Kestrel Missing\\gone.exe /q", {"FILE NOT FOUND", "Registry: RunOnce", "No"}},
      {viewerPath + " /startup", {Upper(viewerPath), "Startup Group", "No"}},
      {"notepad", {Upper(WindowsFile("notepad.exe")), "WIN.INI load=", "No"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RowOf(list, c.command), c.row) << c.command;
  }

  // kesreport /startup prints the same rows, one block each.
  const kes_test::Outcome printed = kes_test::Kesreport("/startup");
  EXPECT_EQ(printed.status, 0u) << printed.err;
  for (const Case& c : cases) {
    const std::string block = "PROGRAM:      " + c.row[0] +
                              "\r\nCOMMAND:      " + Upper(c.command) +
                              "\r\nSTARTED FROM: " + Upper(c.row[1]) + "\r\n";
    const std::size_t at = Upper(printed.out).find(block);
    ASSERT_NE(at, std::string::npos) << c.command;
    const std::string rest = printed.out.substr(printed.out.find("Running:      ", at));
    EXPECT_EQ(rest.substr(14, rest.find('\r') - 14), c.row[2]) << c.command;
  }
}

}  // namespace
