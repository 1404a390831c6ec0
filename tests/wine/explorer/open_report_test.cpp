// A report opened in the viewer shows the snapshot it holds, writes itself
// back unchanged, and compares with a live window.
#include <gtest/gtest.h>

#include <functional>

#include "explorer/differences.h"
#include "platform/win32/text_file_win32.h"
#include "report/report_writer.h"
#include "settings/settings_store.h"
#include "shell/frame_menus.h"
#include "tests/wine/explorer/explorer_fixture.h"
#include "tests/wine/snapshot/child_process.h"

namespace {

using explorerwin::frmExplorer;
using kes_test::Cell;

std::string Panel(HWND bar, int panel) {
  char text[256] = {};
  SendMessageA(bar, SB_GETTEXTA, panel, reinterpret_cast<LPARAM>(text));
  return text;
}

std::string ReportOf(const frmExplorer& window, const std::string& generatedOn) {
  platform::StringSink sink;
  Report::WriteReport(window.Compared().records, {generatedOn, window.PrintIdView()}, sink);
  return sink.text;
}

void SaveText(const std::string& path, const std::string& text) {
  platform::Win32TextFiles files;
  auto file = files.Create(path);
  file->Write(text);
  file->Close();
}

// The list's first column, row by row, in upper case when `upper`.
std::vector<std::string> Column(HWND list, bool upper = false) {
  std::vector<std::string> texts;
  const auto rows = SendMessageA(list, LVM_GETITEMCOUNT, 0, 0);
  for (int row = 0; row < rows; ++row) {
    texts.push_back(upper ? kes_test::Upper(Cell(list, row, 0)) : Cell(list, row, 0));
  }
  return texts;
}

class OpenReportTest : public kes_test::ExplorerWineTest {
 protected:
  const std::string path = kes_test::TempPath("kes-open-report.txt");
};

TEST_F(OpenReportTest, AReportShowsItsSnapshotLikeTheLiveWindowAndPrintsBackTheSame) {
  frmExplorer& live = LoadFrame();
  const std::string written = ReportOf(live, "12/7/99 9:15:00 AM");
  SaveText(path, written);

  frmExplorer* opened = explorers->OpenReportFile(*frame, path);
  ASSERT_NE(opened, nullptr) << (boxes.shown.empty() ? "" : boxes.shown[0].text);
  EXPECT_EQ(boxes.shown, kes_test::Boxes{});
  EXPECT_EQ(opened->Caption(), "Report kes-open-report.txt - " + live.Caption());
  for (int panel = 0; panel < 4; ++panel) {
    EXPECT_EQ(Panel(opened->StatusBar1(), panel), Panel(live.StatusBar1(), panel));
  }
  for (const char* key : {"Task", "Proc", "Mod", "Proc1", "ModX2"}) {
    kes_test::Select(live, key);
    kes_test::Select(*opened, key);
    EXPECT_EQ(Column(opened->ListView1()), Column(live.ListView1())) << key;
    EXPECT_EQ(Cell(opened->ListView1(), 0, 1), Cell(live.ListView1(), 0, 1)) << key;
  }
  // Print To File writes the report it was opened from.
  EXPECT_EQ(ReportOf(*opened, "12/7/99 9:15:00 AM"), written);
  DeleteFileA(path.c_str());
}

TEST_F(OpenReportTest, ANewWindowOpensMaximizedWhileTheActiveOneIsAndGreysAgainForAReport) {
  frmExplorer& live = LoadFrame();
  SaveText(path, ReportOf(live, "12/7/99 9:15:00 AM"));
  const std::function<void()> opens[] = {[&] { explorers->Open(*frame); },
                                         [&] { live.SnapshotAgain(); },
                                         [&] { explorers->OpenReportFile(*frame, path); }};
  for (const bool maximized : {false, true}) {
    for (int how = 0; how < 3; ++how) {  // Explore, Snapshot Again, Open Report
      SendMessageA(frame->Client(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(live.Handle()), 0);
      SendMessageA(frame->Client(), maximized ? WM_MDIMAXIMIZE : WM_MDIRESTORE,
                   reinterpret_cast<WPARAM>(live.Handle()), 0);
      opens[how]();
      const frmExplorer& opened = *explorers->Windows().back();
      EXPECT_EQ(IsZoomed(opened.Handle()) != FALSE, maximized) << how;
      TBBUTTON again{};
      SendMessageA(frame->Toolbar1(), TB_GETBUTTON, Subs::kButtonAgain - 1,
                   reinterpret_cast<LPARAM>(&again));
      EXPECT_EQ((again.fsState & TBSTATE_ENABLED) != 0, how != 2) << how;
      SendMessageA(opened.Handle(), WM_CLOSE, 0, 0);
    }
  }
  DeleteFileA(path.c_str());
}

TEST_F(OpenReportTest, AReportKesreportWroteOpensAndPrintsBackTheSameButForItsTime) {
  LoadFrame();
  ASSERT_EQ(
      kes_test::RunProgram("\"" + kes_test::ProgramFolder() + "kesreport.exe\" \"" + path + "\""),
      0u);
  const std::string written = platform::Win32TextFiles().Read(path);
  const std::size_t at = written.find("Output Generated On ") + 20;
  frmExplorer* opened = explorers->OpenReportFile(*frame, path);
  ASSERT_NE(opened, nullptr) << (boxes.shown.empty() ? "" : boxes.shown[0].text);
  EXPECT_EQ(boxes.shown, kes_test::Boxes{});
  EXPECT_EQ(ReportOf(*opened, written.substr(at, written.find('\r', at) - at)), written);
  DeleteFileA(path.c_str());
}

TEST_F(OpenReportTest, ACutReportOpensWithABoxAndANonReportOpensNothing) {
  frmExplorer& live = LoadFrame();
  const std::string written = ReportOf(live, "12/7/99 9:15:00 AM");
  SaveText(path, written.substr(0, written.find("PROCESSES")));
  frmExplorer* cut = explorers->OpenReportFile(*frame, path);
  ASSERT_NE(cut, nullptr);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_NE(boxes.shown[0].text.find("is cut short: it stops after line"), std::string::npos);
  EXPECT_EQ(Panel(cut->StatusBar1(), 2), "Processes: 0");

  SaveText(path, "Dear support,\r\nplease find attached\r\n");
  EXPECT_EQ(explorers->OpenReportFile(*frame, path), nullptr);
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[1].text, "Cannot open " + path + "\nLine 1: not a Kestrel report");
  EXPECT_EQ(explorers->Windows().size(), 2u);
  DeleteFileA(path.c_str());  // nothing holds it open
  EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(OpenReportTest, ComparingWithAReportTakenAfterAChildLoadedALibraryShowsJustThose) {
  frmExplorer& before = LoadFrame();
  const std::string child = kes_test::ProgramFolder() + "snapshot_child.exe";
  const std::string library = kes_test::ProgramFolder() + "kesver.dll";
  kes_test::ChildProcess running(child, "kesver.dll");
  ASSERT_TRUE(running.ready);
  frmExplorer& after = explorers->Open(*frame);
  SaveText(path, ReportOf(after, "12/7/99 9:15:00 AM"));
  frmExplorer* report = explorers->OpenReportFile(*frame, path);
  ASSERT_NE(report, nullptr);

  auto& differences =
      explorers->ShowDifferences(*frame, before, report->Compared(), report->Caption());
  // It opens on Processes Started, which lists the child; the files added
  // are its library; the first node names both snapshots.
  EXPECT_EQ(Column(differences.ListView1(), true),
            std::vector<std::string>{kes_test::Upper(child)});
  HWND tree = differences.TreeView1();
  auto node = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
  SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, node);
  EXPECT_EQ(kes_test::Upper(Cell(differences.ListView1(), 0, 0)),
            kes_test::Upper("Old: Explorer window (" + before.Caption() + ")"));
  for (int skip = 0; skip < 5; ++skip) node = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, node);
  SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, node);
  std::vector<std::string> added = Column(differences.ListView1(), true);
  std::erase(added, kes_test::Upper(child));  // where the system lists programs as modules
  EXPECT_EQ(added, std::vector<std::string>{kes_test::Upper(library)});
  DeleteFileA(path.c_str());
}

}  // namespace
