#include "snapshot/module_list95.h"

#include <gtest/gtest.h>

#include <string>

#include "fake_file_facts.h"
#include "fake_tool_help.h"
#include "tests/fakes/recording_boxes.h"

namespace {

using kes_test::RecordingBoxes;
using kes_test::RecordingProgress;
using ModuleList95::FillProcessList95;
using ModuleList95::StripLastChar;
using ModuleList95::TrimAtNull;

TEST(FieldText, StripLastCharAndTrimAtNull) {
  EXPECT_EQ(StripLastChar("abc"), "ab");
  EXPECT_EQ(StripLastChar(""), "");
  EXPECT_EQ(TrimAtNull(std::string("ab\0cd", 5)), "ab");
  EXPECT_EQ(TrimAtNull("abc"), "abc");
  EXPECT_EQ(TrimAtNull(""), "");
  EXPECT_EQ(TrimAtNull(std::string("\0x", 2)), "");
}

class FillProcessList : public ::testing::Test {
 protected:
  FakeToolHelp toolHelp;
  FakeFileFacts facts;
  RecordingBoxes boxes;
  RecordingProgress progress;
  Subs::ErrorReport report{boxes};
  kes::Collection<clsProcess> processes;

  FakeToolHelp::Process& Process(const std::string& path, std::uint32_t id) {
    facts.Add(path);
    return toolHelp.AddProcess(path, id);
  }
  void Module(FakeToolHelp::Process& process, const std::string& path) {
    facts.Add(path);
    FakeToolHelp::AddModule(process, path.substr(path.find_last_of('\\') + 1), path);
  }
  bool Fill() { return FillProcessList95(processes, toolHelp, facts, progress, report); }
};

TEST_F(FillProcessList, NumbersModulesAcrossProcessesAndSkipsTheOwnExecutable) {
  auto& first = Process("C:\\WINDOWS\\EXPLORER.EXE", 0xFFFD1234u);
  Module(first, "C:\\WINDOWS\\EXPLORER.EXE");
  Module(first, "C:\\WINDOWS\\SYSTEM\\KERNEL32.DLL");
  Module(first, "C:\\WINDOWS\\SYSTEM\\USER32.DLL");
  Module(first, "C:\\WINDOWS\\SYSTEM\\GDI32.DLL");
  auto& second = Process("C:\\APP.EXE", 2);
  Module(second, "C:\\WINDOWS\\SYSTEM\\KERNEL32.DLL");
  Module(second, "c:\\app.exe");  // differs only in case: a module of its own

  ASSERT_TRUE(Fill());
  ASSERT_EQ(processes.Count(), 2);
  const clsProcess& p1 = processes.Item(1);
  const clsProcess& p2 = processes.Item(2);
  EXPECT_EQ(p1.mlID, 1);
  EXPECT_EQ(p2.mlID, 2);
  EXPECT_EQ(p1.mlth32ProcessID, static_cast<std::int32_t>(0xFFFD1234u));
  ASSERT_EQ(p1.mcolModules.Count(), 3);
  EXPECT_EQ(p1.mcolModules.Item(1).msExePath, "C:\\WINDOWS\\SYSTEM\\KERNEL32.DLL");
  EXPECT_EQ(p1.mcolModules.Item(3).mlID, 3);
  ASSERT_EQ(p2.mcolModules.Count(), 2);
  EXPECT_EQ(p2.mcolModules.Item(1).mlID, 4);
  EXPECT_EQ(p2.mcolModules.Item(2).mlID, 5);
  EXPECT_EQ(p2.mcolModules.Item(2).msExePath, "c:\\app.exe");
  EXPECT_EQ(progress.reported,
            (std::vector<std::string>{"C:\\WINDOWS\\EXPLORER.EXE", "C:\\APP.EXE"}));
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(FillProcessList, CopiesTheEntryAndReadsThePriorityThroughAHandleItCloses) {
  auto& process = Process("C:\\APP.EXE", 77);
  process.entry.cntUsage = 1;
  process.entry.th32DefaultHeapID = 0x00530000;
  process.entry.th32ModuleID = 3;
  process.entry.cntThreads = 4;
  process.entry.th32ParentProcessID = 5;
  process.entry.pcPriClassBase = 8;
  process.priority = 128;
  auto& module = toolHelp.AddModule(process, "A.DLL", "C:\\A.DLL");
  facts.Add("C:\\A.DLL");
  module.th32ModuleID = 9;
  module.GlblcntUsage = 21;
  module.hModule = 0x10000000;
  Process("C:\\LOCKED.EXE", 78).canOpen = false;

  ASSERT_TRUE(Fill());
  const clsProcess& p = processes.Item(1);
  EXPECT_EQ(p.mcntUsage, 1);
  EXPECT_EQ(p.mlth32DefaultHeapID, 0x00530000);
  EXPECT_EQ(p.mlth32ModuleID, 3);
  EXPECT_EQ(p.mcntThreads, 4);
  EXPECT_EQ(p.mlth32ParentProcessID, 5);
  EXPECT_EQ(p.mlpcPriClassBase, 8);
  EXPECT_EQ(p.mlth32ProcessID, 77);
  EXPECT_NE(p.mlProcessHandle, 0);
  EXPECT_EQ(p.mlPriority, 128);
  EXPECT_EQ(p.mcolModules.Item(1).mlth32ModuleID, 9);
  EXPECT_EQ(p.mcolModules.Item(1).mGlblcntUsage, 21);
  EXPECT_EQ(p.mcolModules.Item(1).mhModule, 0x10000000);
  // A process that cannot be opened has neither handle nor priority.
  EXPECT_EQ(processes.Item(2).mlProcessHandle, 0);
  EXPECT_EQ(processes.Item(2).mlPriority, 0);
  EXPECT_EQ(toolHelp.handlesOpened, 1);
  EXPECT_TRUE(toolHelp.openHandles.empty());
}

TEST_F(FillProcessList, TrimsSpacesFromTheProcessPathOnly) {
  facts.Add("C:\\APP.EXE");
  auto& process = toolHelp.AddProcess("  C:\\APP.EXE ", 1);
  facts.Add(" C:\\SPACED.DLL ");
  FakeToolHelp::AddModule(process, "SPACED.DLL", " C:\\SPACED.DLL ");

  ASSERT_TRUE(Fill());
  EXPECT_EQ(processes.Item(1).msExePath, "C:\\APP.EXE");
  EXPECT_EQ(processes.Item(1).mcolModules.Item(1).msExePath, " C:\\SPACED.DLL ");
}

TEST_F(FillProcessList, AFieldEndsAtItsFirstNulWithinAllButItsLastCharacter) {
  const std::string full(259, 'x');
  facts.Add(full);
  auto& process = toolHelp.AddProcess(full + "y", 1);  // fills all 260 characters
  FakeToolHelp::Copy(process.entry.szExeFile, full + "y");
  ASSERT_TRUE(Fill());
  EXPECT_EQ(processes.Item(1).msExePath, full);
}

TEST_F(FillProcessList, AFailureOnTheThirdProcessKeepsTwoAndReportsOnce) {
  auto& first = Process("C:\\ONE.EXE", 1);
  Module(first, "C:\\SHARED.DLL");
  Process("C:\\TWO.EXE", 2);
  auto& third = Process("C:\\THREE.EXE", 3);
  Module(third, "C:\\SHARED.DLL");
  facts.Add("C:\\HIDDEN.DLL").normal = false;
  FakeToolHelp::AddModule(third, "HIDDEN.DLL", "C:\\HIDDEN.DLL");
  Process("C:\\FOUR.EXE", 4);

  EXPECT_FALSE(Fill());
  ASSERT_EQ(processes.Count(), 2);
  EXPECT_EQ(processes.Item(2).msExePath, "C:\\TWO.EXE");
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text,
            "The Following Error Occurred:\n\n53 - File Not Found:\r\n\r\nC:\\HIDDEN.DLL\n\n"
            "Module:  ModuleList95\n\nRoutine: FillProcessList95\n\nAdditional Info: ");
  EXPECT_EQ(boxes.shown[0].title, "Kestrel Application Error");
  // The rest of the list is not read.
  EXPECT_EQ(facts.reads.count("date C:\\FOUR.EXE"), 0u);
  EXPECT_TRUE(toolHelp.openHandles.empty());
}

// A helper that ends between the list and the read of its file (under Wine
// the list names it without a folder) is left out without a report; a
// running process whose file cannot be read still stops the walk.
TEST_F(FillProcessList, AProcessThatEndedBeforeItsFileWasReadIsLeftOutWithoutAReport) {
  for (const bool ended : {true, false}) {
    toolHelp = {};
    processes = {};
    boxes.shown.clear();
    Process("C:\\ONE.EXE", 1);
    toolHelp.AddProcess("HELPER.EXE", 2).ended = ended;
    Process("C:\\THREE.EXE", 3);

    EXPECT_EQ(Fill(), ended);
    ASSERT_EQ(processes.Count(), ended ? 2 : 1);
    EXPECT_EQ(processes.Item(processes.Count()).msExePath, ended ? "C:\\THREE.EXE" : "C:\\ONE.EXE");
    EXPECT_EQ(processes.Item(processes.Count()).mlID, processes.Count());
    EXPECT_EQ(boxes.shown.size(), ended ? 0u : 1u);
  }
}

TEST_F(FillProcessList, AnEmptyListGivesTrueAndNothing) {
  EXPECT_TRUE(Fill());
  EXPECT_EQ(processes.Count(), 0);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(FillProcessList, NoProcessListGivesFalseWithoutAMessage) {
  Process("C:\\APP.EXE", 1);
  toolHelp.hasProcessList = false;
  EXPECT_FALSE(Fill());
  EXPECT_EQ(processes.Count(), 0);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(FillProcessList, AProcessWithoutAModuleListIsRecordedWithNoModules) {
  auto& gone = Process("C:\\GONE.EXE", 1);
  Module(gone, "C:\\A.DLL");
  gone.hasModuleList = false;
  auto& next = Process("C:\\NEXT.EXE", 2);
  Module(next, "C:\\A.DLL");
  ASSERT_TRUE(Fill());
  EXPECT_EQ(processes.Item(1).mcolModules.Count(), 0);
  EXPECT_EQ(processes.Item(2).mcolModules.Item(1).mlID, 1);
}

TEST_F(FillProcessList, ReadsEachFileOnceAndGivesEveryRecordTheSameFacts) {
  facts.AddVersioned("C:\\SHARED.DLL", 0x00049C40, 0x000007CE).length = 5120;
  for (std::uint32_t id = 1; id <= 3; ++id) {
    auto& process = Process("C:\\APP.EXE", id);
    FakeToolHelp::AddModule(process, "SHARED.DLL", "C:\\SHARED.DLL");
  }
  ASSERT_TRUE(Fill());
  for (const char* call : {"find", "date", "length", "size", "resource"}) {
    EXPECT_EQ(facts.reads[std::string(call) + " C:\\SHARED.DLL"], 1) << call;
    EXPECT_EQ(facts.reads[std::string(call) + " C:\\APP.EXE"], 1) << call;
  }
  for (int i = 1; i <= 3; ++i) {
    const clsModule& module = processes.Item(i).mcolModules.Item(1);
    EXPECT_EQ(module.mlFileSize, 5120);
    EXPECT_EQ(module.msFileDateTime, "05/11/1998 08:01:00 PM");
    EXPECT_EQ(module.moVersionInfo.mnFileVerMin, 40000);
    EXPECT_EQ(module.moVersionInfo.mnFileVerRevLo, 1998);
  }
}

TEST_F(FillProcessList, ANewSnapshotReadsTheFilesAgain) {
  Process("C:\\APP.EXE", 1);
  ASSERT_TRUE(Fill());
  ASSERT_TRUE(Fill());
  EXPECT_EQ(facts.reads["date C:\\APP.EXE"], 2);
  EXPECT_EQ(processes.Count(), 2);
  EXPECT_EQ(processes.Item(2).mlID, 1);
}

}  // namespace
