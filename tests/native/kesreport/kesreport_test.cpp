#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "kesreport/command_line.h"
#include "kesreport/guarded.h"
#include "report/report_writer.h"
#include "tests/fakes/memory_text_files.h"
#include "tests/native/report/sample_snapshot.h"

std::string_view GoldenReport(std::string_view file);

namespace {

using kes_test::SampleSnapshot;
using kesreport::Action;
using kesreport::Command;
using kesreport::ParseCommandLine;

TEST(ParseCommandLine, ReadsTheSwitchesAndFiles) {
  struct Case {
    std::vector<std::string> args;
    Action action;
    int idView;  // -1: none given
    std::string file, oldFile, newFile;
  };
  const Case cases[] = {
      {{}, Action::kSnapshot, -1, "", "", ""},
      {{"/hex"}, Action::kSnapshot, 1, "", "", ""},
      {{"/DEC", "C:\\out.txt"}, Action::kSnapshot, 0, "C:\\out.txt", "", ""},
      {{"out.txt", "-Hex"}, Action::kSnapshot, 1, "out.txt", "", ""},
      {{"/hex", "/HEX"}, Action::kSnapshot, 1, "", "", ""},
      {{"/compare", "a.txt", "b.txt"}, Action::kCompare, -1, "", "a.txt", "b.txt"},
      {{"a.txt", "/Compare", "b.txt"}, Action::kCompare, -1, "", "a.txt", "b.txt"},
      {{"/startup"}, Action::kStartup, -1, "", "", ""},
      {{"-STARTUP", "/hex", "C:\\boot.txt"}, Action::kStartup, 1, "C:\\boot.txt", "", ""},
      {{"/?"}, Action::kUsage, -1, "", "", ""},
      {{"/hex", "/?", "/bogus"}, Action::kUsage, -1, "", "", ""},
  };
  for (const Case& c : cases) {
    const Command command = ParseCommandLine(c.args);
    EXPECT_EQ(command.action, c.action) << c.args.size();
    EXPECT_EQ(command.idView ? *command.idView : -1, c.idView) << c.args.size();
    EXPECT_EQ(command.file, c.file);
    EXPECT_EQ(command.oldFile, c.oldFile);
    EXPECT_EQ(command.newFile, c.newFile);
  }
}

TEST(ParseCommandLine, BadUsageSaysWhy) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"/hex", "/dec"}, "/HEX and /DEC cannot both be given"},
      {{"/wide"}, "unknown switch /wide"},
      {{"a.txt", "b.txt"}, "only one report file can be given"},
      {{"/compare", "a.txt"}, "/COMPARE needs two report files"},
      {{"/compare", "a", "b", "c"}, "/COMPARE needs two report files"},
      {{"/compare", "/hex", "a", "b"}, "/COMPARE takes no /HEX or /DEC"},
      {{"/startup", "a.txt", "b.txt"}, "only one report file can be given"},
      {{"/startup", "/compare", "a", "b"}, "/COMPARE and /STARTUP cannot both be given"},
  };
  for (const auto& [args, problem] : cases) {
    const Command command = ParseCommandLine(args);
    EXPECT_EQ(command.action, Action::kBadUsage) << problem;
    EXPECT_EQ(command.problem, problem);
  }
}

TEST(Guarded, EveryFailureIsALineOnStandardErrorAndTheCommandsFailureStatus) {
  const auto diskFull = []() -> int { throw kes::Failure(61, "Disk full: standard output"); };
  struct Case {
    Action action;
    std::function<int()> work;
    bool errWorks;
    int status;
    std::string err;
  };
  const Case cases[] = {
      {Action::kCompare, [] { return 1; }, true, 1, ""},
      {Action::kCompare, diskFull, true, 2, "kesreport: Disk full: standard output\r\n"},
      {Action::kCompare, []() -> int { throw std::bad_alloc(); }, true, 2,
       "kesreport: out of memory\r\n"},
      {Action::kCompare, diskFull, false, 2, ""},
      {Action::kSnapshot, diskFull, true, 1, "kesreport: Disk full: standard output\r\n"},
  };
  for (const Case& c : cases) {
    kes_test::MemoryTextFiles files;
    files.writesAllowed = c.errWorks ? -1 : 0;
    const auto err = files.Create("err");
    EXPECT_EQ(kesreport::Guarded(c.action, *err, c.work), c.status) << c.err;
    EXPECT_EQ(files.Text("err"), c.err);
  }
}

class CompareTest : public testing::Test {
 protected:
  void SetUp() override {
    kes_test::FillThreeProcesses(before);
    kes_test::FillThreeProcesses(after);
  }
  void Store(const std::string& path, const SampleSnapshot& snapshot, std::int16_t idView = 1) {
    kes_test::MemorySink sink;
    Report::WriteReport(snapshot.Records(), {"12/7/99 9:15:00 AM", idView}, sink);
    files.files[path].writes = {sink.Text()};
  }
  int Compare() {
    Command command;
    command.action = Action::kCompare;
    command.oldFile = "old.txt";
    command.newFile = "new.txt";
    return kesreport::RunCompare(command, files, platform::FileNameRule(), out, err);
  }
  static std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
      text += line + "\r\n";
    }
    return text;
  }

  SampleSnapshot before, after;
  kes_test::MemoryTextFiles files;
  kes_test::MemorySink out, err;
  const std::string heading = Lines({"Old: old.txt (Snapshot Taken At 12/6/99 3:04:05 PM)",
                                     "New: new.txt (Snapshot Taken At 12/6/99 3:04:05 PM)"});
};

TEST_F(CompareTest, TheSameSnapshotInBothIdentifierModesHasNoDifferences) {
  Store("old.txt", before, 1);
  Store("new.txt", after, 0);
  EXPECT_EQ(Compare(), 0);
  EXPECT_EQ(out.Text(), heading + Lines({"", "No differences."}));
  EXPECT_EQ(err.Text(), "");
}

TEST_F(CompareTest, AProcessStartedOneEndedAndADllUpgraded) {
  Store("old.txt", before);
  kes_test::StartCalcEndNotepadUpgradeDialogs(after);
  Store("new.txt", after);
  EXPECT_EQ(Compare(), 1);
  EXPECT_EQ(out.Text(),
            heading + Lines({"", "PROCESSES STARTED", "  C:\\WINDOWS\\CALC.EXE",
                             "  C:\\WINDOWS\\EXPLORER.EXE (1 -> 2)", "", "PROCESSES ENDED",
                             "  C:\\WINDOWS\\NOTEPAD.EXE", "", "MODULES LOADED",
                             "  C:\\WINDOWS\\EXPLORER.EXE", "    C:\\WINDOWS\\SYSTEM\\Comdlg32.dll",
                             "", "FILES CHANGED", "  C:\\WINDOWS\\SYSTEM\\Comdlg32.dll",
                             "    Version: 65535.0.40000.7 -> 65535.0.40001.0",
                             "    Size:    94208 -> 94720",
                             "    Date:    12/31/1999 11:59:59 PM -> 01/15/2000 09:00:00 AM"}));
}

TEST_F(CompareTest, ModulesUnloadedAndModuleFilesRemoved) {
  Store("old.txt", before);
  // Explorer lets USER32 go; nobody else had it.
  SampleSnapshot fewer;
  fewer.caption = before.caption;
  clsProcess& explorer = fewer.AddProcess();
  explorer.msExePath = "C:\\WINDOWS\\EXPLORER.EXE";
  kes_test::AddModule(explorer,
                      {"KERNEL32.DLL",
                       "C:\\WINDOWS\\SYSTEM\\KERNEL32.DLL",
                       471040,
                       "05/11/1998 08:01:00 PM",
                       {4, 10, 0, 1998},
                       1,
                       1,
                       0,
                       0,
                       21,
                       0},
                      1);
  explorer.moVersionInfo = before.processes.Item(1).moVersionInfo;
  explorer.mlFileSize = 204288;
  explorer.msFileDateTime = "05/11/1998 08:01:00 PM";
  fewer.AddUnique(1, 1);
  Store("new.txt", fewer);
  EXPECT_EQ(Compare(), 1);
  EXPECT_EQ(out.Text(),
            heading.substr(0, heading.find("New:")) +
                Lines({"New: new.txt (Snapshot Taken At 12/6/99 3:04:05 PM)", "", "PROCESSES ENDED",
                       "  ", "  C:\\WINDOWS\\NOTEPAD.EXE", "", "MODULES UNLOADED",
                       "  C:\\WINDOWS\\EXPLORER.EXE", "    C:\\WINDOWS\\SYSTEM\\USER32.DLL", "",
                       "MODULE FILES REMOVED", "  C:\\WINDOWS\\SYSTEM\\Comdlg32.dll",
                       "  C:\\WINDOWS\\SYSTEM\\USER32.DLL"}));
}

// The same file spelled in other letter cases is the same file: not removed
// and added, and its version change is not missed.
TEST_F(CompareTest, PathsCompareWithoutRegardToLetterCase) {
  Store("old.txt", before);
  after.processes.Item(1).msExePath = "c:\\windows\\explorer.exe";
  clsModule& dialogs = after.processes.Item(2).mcolModules.Item(2);
  dialogs.msExePath = "C:\\WINDOWS\\SYSTEM\\COMDLG32.DLL";
  kes_test::SetVersion(dialogs.moVersionInfo, 65535, 0, 40001, 0);
  Store("new.txt", after);
  EXPECT_EQ(Compare(), 1);
  EXPECT_EQ(out.Text(),
            heading + Lines({"", "FILES CHANGED", "  C:\\WINDOWS\\SYSTEM\\COMDLG32.DLL",
                             "    Version: 65535.0.40000.7 -> 65535.0.40001.0",
                             "    Size:    94208 -> 94208",
                             "    Date:    12/31/1999 11:59:59 PM -> 12/31/1999 11:59:59 PM"}));
}

// A report cut short, or a file that only begins like one, is never called
// equal to a whole one: the compare goes as far as both go and is trouble.
TEST_F(CompareTest, AReportCutShortIsComparedAsFarAsItGoesSaysSoAndIsTrouble) {
  Store("whole.txt", before);
  after.AddProcess().msExePath = "C:\\WINDOWS\\CALC.EXE";
  Store("started.txt", after);
  const std::string whole = files.Text("whole.txt"), started = files.Text("started.txt");
  const std::string letterCut =
      "new.txt is cut short after line 1: processes, their modules and module files are not "
      "compared.";
  struct Case {
    std::string oldText, newText;
    std::vector<std::string> lines;  // after the Old: line
  };
  const Case cases[] = {
      {whole.substr(0, whole.find("File Name:          USER32.DLL")),
       started,
       {"New: new.txt (Snapshot Taken At 12/6/99 3:04:05 PM)",
        "old.txt is cut short after line 116: module files added and removed are not compared.",
        "Compared: processes started and ended, modules loaded and unloaded, files changed.", "",
        "PROCESSES STARTED", "  C:\\WINDOWS\\CALC.EXE"}},
      {whole,
       "Kestrel(tm) is the name of this letter\r\n",
       {"New: new.txt ()", letterCut, "Compared: files changed.", "",
        "No differences in what was compared."}},
  };
  for (const Case& c : cases) {
    files.files["old.txt"].writes = {c.oldText};
    files.files["new.txt"].writes = {c.newText};
    out.writes.clear();
    EXPECT_EQ(Compare(), 2) << c.lines[1];
    EXPECT_EQ(out.Text(),
              Lines({"Old: old.txt (Snapshot Taken At 12/6/99 3:04:05 PM)"}) + Lines(c.lines));
    EXPECT_EQ(err.Text(), "");
  }
}

TEST_F(CompareTest, AFileThatIsNoReportOrIsMissingIsBadInput) {
  Store("old.txt", before);
  files.files["new.txt"].writes = {"[boot]\r\nshell=Explorer.exe\r\n"};
  EXPECT_EQ(Compare(), 2);
  EXPECT_EQ(err.Text(), "kesreport: new.txt line 1: not a Kestrel report\r\n");
  EXPECT_EQ(out.Text(), "");
  files.files.erase("new.txt");
  err.writes.clear();
  EXPECT_EQ(Compare(), 2);
  EXPECT_EQ(err.Text(), "kesreport: cannot read new.txt: File not found: new.txt\r\n");
}

}  // namespace
