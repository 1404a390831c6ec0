// Snapshot Again: a child started and a library loaded between two snapshots
// are bold in the new window, whose counts are kesreport's, and a file
// changed between them shows its new facts.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>

#include "explorer/explorer_menus.h"
#include "platform/win32/text_file_win32.h"
#include "report/report_writer.h"
#include "tests/wine/explorer/explorer_fixture.h"
#include "tests/wine/kesreport/kesreport_run.h"
#include "tests/wine/snapshot/child_process.h"

namespace {

using explorerwin::frmExplorer;
constexpr LPARAM TVI_ROOT_CHILD = -1;

// The tree's bold nodes' texts in upper case, a distinct module's count cut.
std::set<std::string> BoldTexts(HWND tree, LPARAM item = TVI_ROOT_CHILD) {
  std::set<std::string> texts;
  for (auto at =
           SendMessageA(tree, TVM_GETNEXTITEM, item == TVI_ROOT_CHILD ? TVGN_ROOT : TVGN_CHILD,
                        item == TVI_ROOT_CHILD ? 0 : item);
       at != 0; at = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, at)) {
    char text[512] = {};
    TVITEMA read{};
    read.mask = TVIF_STATE | TVIF_TEXT;
    read.hItem = reinterpret_cast<HTREEITEM>(at);
    read.stateMask = TVIS_BOLD;
    read.pszText = text;
    read.cchTextMax = sizeof text;
    SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&read));
    const std::string shown = text;
    if ((read.state & TVIS_BOLD) != 0)
      texts.insert(kes_test::Upper(shown.substr(0, shown.rfind(" ("))));
    texts.merge(BoldTexts(tree, at));
  }
  return texts;
}

void Save(const frmExplorer& window, const std::string& path) {
  platform::Win32TextFile file(path);
  Report::WriteReport(window.Compared().records, {"12/7/99 9:15:00 AM", 1}, file);
  file.Close();
}

// "N started, N ended, N modules loaded, N files changed" counted from the
// printed comparison: entries stand two spaces in, a module four spaces in.
std::string PrintedCounts(const std::string& printed) {
  std::map<std::string, int> entries;
  std::istringstream lines(printed);
  std::string line, heading;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() && line[0] != ' ') {
      heading = line;
    } else if (line.starts_with("    ") == (heading == "MODULES LOADED") && !line.empty()) {
      ++entries[heading];
    }
  }
  return std::to_string(entries["PROCESSES STARTED"]) + " started, " +
         std::to_string(entries["PROCESSES ENDED"]) + " ended, " +
         std::to_string(entries["MODULES LOADED"]) + " modules loaded, " +
         std::to_string(entries["FILES CHANGED"]) + " files changed";
}

class SnapshotAgainTest : public kes_test::ExplorerWineTest {};

TEST_F(SnapshotAgainTest, MarksTheChildAndItsLibraryCountsAsKesreportAndReadsAChangedFile) {
  // A copy of the child program runs through both snapshots; its file gets
  // a new time between them.
  const std::string changed = kes_test::TempPath("kes-again-child.exe");
  ASSERT_TRUE(CopyFileA((kes_test::ProgramFolder() + "snapshot_child.exe").c_str(), changed.c_str(),
                        FALSE));
  std::string beforeDate, afterDate;
  {
    kes_test::ChildProcess steady(changed, "kernel32.dll");
    ASSERT_TRUE(steady.ready);
    frmExplorer& before = LoadFrame();
    {
      platform::ScopedHandle file(
          CreateFileA(changed.c_str(), FILE_WRITE_ATTRIBUTES,
                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                      OPEN_EXISTING, 0, nullptr));
      ASSERT_TRUE(file.Valid());
      FILETIME written{};
      SYSTEMTIME when{2001, 2, 0, 3, 4, 5, 6, 0};
      SystemTimeToFileTime(&when, &written);
      ASSERT_TRUE(SetFileTime(file.Get(), nullptr, nullptr, &written));
    }
    const std::string child = kes_test::ProgramFolder() + "snapshot_child.exe";
    const std::string library = kes_test::ProgramFolder() + "kesver.dll";
    kes_test::ChildProcess started(child, "kesver.dll");
    ASSERT_TRUE(started.ready);
    SendMessageA(before.Handle(), WM_COMMAND,
                 frmExplorer::MenuCommand(Subs::FrameMenu::kFile, Explorer::kFileSnapshotAgain), 0);
    ASSERT_EQ(explorers->Windows().size(), 2u);
    frmExplorer& after = *explorers->Windows().back();
    EXPECT_EQ(after.Origin(), before.Handle());

    EXPECT_EQ(BoldTexts(after.TreeView1()),
              (std::set<std::string>{kes_test::Upper(child), kes_test::Upper(library)}));

    const std::string beforePath = kes_test::TempPath("kes-again-before.txt");
    const std::string afterPath = kes_test::TempPath("kes-again-after.txt");
    Save(before, beforePath);
    Save(after, afterPath);
    const std::string printed =
        kes_test::Kesreport("/compare \"" + beforePath + "\" \"" + afterPath + "\"").out;
    EXPECT_NE(kes_test::Upper(printed).find("FILES CHANGED\r\n  " + kes_test::Upper(changed)),
              std::string::npos)
        << printed;
    EXPECT_EQ(after.StatusTexts().back(), PrintedCounts(printed)) << printed;
    DeleteFileA(beforePath.c_str());
    DeleteFileA(afterPath.c_str());

    // The changed file's date as each window's records hold it.
    const auto dateIn = [&](const frmExplorer& window) {
      for (std::int32_t i = 1; i <= window.Processes().Count(); ++i) {
        const clsProcess& process = window.Processes().Item(i);
        if (kes_test::Upper(process.msExePath) == kes_test::Upper(changed)) {
          return process.msFileDateTime;
        }
      }
      return std::string();
    };
    beforeDate = dateIn(before);
    afterDate = dateIn(after);
  }
  EXPECT_NE(beforeDate, "");
  EXPECT_EQ(afterDate.substr(0, 10), "02/03/2001");
  DeleteFileA(changed.c_str());
}

}  // namespace
