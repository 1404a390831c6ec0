#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

#include "report/report_parser.h"
#include "report/report_writer.h"
#include "tests/fakes/win32_helpers.h"
#include "tests/native/report/sample_snapshot.h"
#include "tests/wine/kesreport/kesreport_run.h"
#include "tests/wine/snapshot/child_process.h"

namespace kes_test {
namespace {

class KesreportTest : public testing::Test {
 protected:
  void TearDown() override {
    DeleteFileA(first.c_str());
    DeleteFileA(second.c_str());
  }
  const std::string first = TempPath("kesreport-first.txt");
  const std::string second = TempPath("kesreport-second.txt");
};

TEST_F(KesreportTest, WritesAReportThatTheParserReadsWhole) {
  for (const char* mode : {"/hex", "/dec"}) {
    const Outcome run = Kesreport(std::string(mode) + " \"" + first + "\"");
    EXPECT_EQ(run.status, 0u) << run.err;
    EXPECT_EQ(run.out, "");
    const Report::ParsedReport parsed = Report::ParseReport(ReadAll(first));
    EXPECT_EQ(parsed.error, "") << "line " << parsed.errorLine;
    EXPECT_TRUE(parsed.complete) << mode;
    EXPECT_GT(parsed.processes.Count(), 0) << mode;
    EXPECT_EQ(parsed.caption.rfind("Snapshot Taken At ", 0), 0u);
  }
}

TEST_F(KesreportTest, WithoutASwitchTheStoredIdSettingChoosesTheMode) {
  for (const char* stored : {"1", "0"}) {
    ASSERT_TRUE(PutRegistryValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Kestrel", "IDView", REG_SZ,
                                 std::string(stored) + '\0'));
    ASSERT_EQ(Kesreport("\"" + first + "\"").status, 0u);
    const Report::ParsedReport parsed = Report::ParseReport(ReadAll(first));
    EXPECT_EQ(parsed.error, "");
    // Under Wine module addresses such as 7BC00000 show letters in hexadecimal.
    EXPECT_EQ(parsed.idView, stored[0] == '1' ? 1 : 0) << stored;
  }
  // Without the key it writes decimal and creates nothing.
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Kestrel");
  ASSERT_EQ(Kesreport("\"" + first + "\"").status, 0u);
  EXPECT_EQ(Report::ParseReport(ReadAll(first)).idView, 0);
  EXPECT_FALSE(RegistryKeyExists(HKEY_LOCAL_MACHINE, "SOFTWARE\\Kestrel"));
}

TEST_F(KesreportTest, WithoutAFileTheReportGoesToStandardOutput) {
  const Outcome run = Kesreport("");
  EXPECT_EQ(run.status, 0u) << run.err;
  const Report::ParsedReport parsed = Report::ParseReport(run.out);
  EXPECT_EQ(parsed.error, "");
  EXPECT_TRUE(parsed.complete);
}

TEST_F(KesreportTest, ASecondReportAfterAChildStartsDiffersByThatProcessAndItsLibrary) {
  ASSERT_EQ(Kesreport("\"" + first + "\"").status, 0u);
  {
    ChildProcess child(ProgramFolder() + "snapshot_child.exe", "kesver.dll");
    ASSERT_TRUE(child.ready);
    ASSERT_EQ(Kesreport("/hex \"" + second + "\"").status, 0u);
  }
  const Outcome run = Kesreport("/compare \"" + first + "\" \"" + second + "\"");
  EXPECT_EQ(run.status, 1u) << run.err;
  const std::string folder = ProgramFolder();
  const std::string expected =
      "Old: " + first + " (" + Report::ParseReport(ReadAll(first)).caption + ")\r\nNew: " + second +
      " (" + Report::ParseReport(ReadAll(second)).caption + ")\r\n\r\nPROCESSES STARTED\r\n  " +
      folder + "snapshot_child.exe\r\n\r\nMODULE FILES ADDED\r\n  " + folder + "kesver.dll\r\n";
  EXPECT_EQ(run.out, expected);
}

// One module spelled in two letter cases of the system's code page is one
// file: neither added nor removed, and its change of size shows.
TEST_F(KesreportTest, PathsCompareAsTheSystemComparesFileNames) {
  ASSERT_EQ(GetACP(), 1252u);  // where \xC9 and \xE9 are E acute in both cases
  SampleSnapshot snapshot;
  FillThreeProcesses(snapshot);
  clsModule& dialogs = snapshot.processes.Item(2).mcolModules.Item(2);
  dialogs.msExePath = "C:\\WINDOWS\\SYSTEM\\CAF\xC9.DLL";
  for (const std::string& path : {first, second}) {
    platform::StringSink report;
    Report::WriteReport(snapshot.Records(), {"12/7/99 9:15:00 AM", 1}, report);
    std::ofstream(path, std::ios::binary) << report.text;
    dialogs.msExePath = "c:\\windows\\system\\caf\xE9.dll";
    dialogs.mlFileSize = 94720;
  }
  const Outcome run = Kesreport("/compare \"" + first + "\" \"" + second + "\"");
  EXPECT_EQ(run.status, 1u) << run.err;
  EXPECT_EQ(run.out.substr(run.out.find("\r\n\r\n")),
            "\r\n\r\nFILES CHANGED\r\n  c:\\windows\\system\\caf\xE9.dll\r\n"
            "    Version: 65535.0.40000.7 -> 65535.0.40000.7\r\n    Size:    94208 -> 94720\r\n"
            "    Date:    12/31/1999 11:59:59 PM -> 12/31/1999 11:59:59 PM\r\n");
}

TEST_F(KesreportTest, AWalkThatStopsStillWritesWhatWasReadAndSaysSo) {
  const std::string hidden = TempPath("kes_hidden_report_child.exe");
  ASSERT_TRUE(CopyFileA((ProgramFolder() + "snapshot_child.exe").c_str(), hidden.c_str(), FALSE));
  {
    ChildProcess running(hidden, "");
    ASSERT_TRUE(running.ready);
    // A hidden program file cannot be read for its facts.
    ASSERT_TRUE(SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN));
    const Outcome run = Kesreport("\"" + first + "\"");
    EXPECT_EQ(run.status, 1u);
    EXPECT_EQ(run.err.rfind("kesreport: the process walk stopped early; the report holds what "
                            "was read: The Following Error Occurred: 53 - File Not Found: ",
                            0),
              0u)
        << run.err;
    EXPECT_NE(run.err.find("kes_hidden_report_child.exe"), std::string::npos);
    const Report::ParsedReport parsed = Report::ParseReport(ReadAll(first));
    EXPECT_EQ(parsed.error, "");
    EXPECT_TRUE(parsed.complete);
    for (std::int32_t i = 1; i <= parsed.processes.Count(); ++i) {
      EXPECT_EQ(parsed.processes.Item(i).msExePath.find("kes_hidden"), std::string::npos);
    }
  }
  SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileA(hidden.c_str());
}

TEST_F(KesreportTest, ExitStatusesSayWhatHappened) {
  const Outcome usage = Kesreport("/?");
  EXPECT_EQ(usage.status, 0u) << usage.out << "/" << usage.err;
  EXPECT_EQ(usage.out.rfind("Writes a report of what is running", 0), 0u) << usage.out;

  const Outcome bad = Kesreport("/hex /dec");
  EXPECT_EQ(bad.status, 2u);
  EXPECT_EQ(bad.err.rfind("kesreport: /HEX and /DEC cannot both be given\r\n", 0), 0u);

  const Outcome unwritable = Kesreport("\"" + TempPath("no-such-folder\\report.txt") + "\"");
  EXPECT_EQ(unwritable.status, 1u);
  EXPECT_EQ(unwritable.err.rfind("kesreport: cannot write the report to ", 0), 0u);

  const Outcome snapshot = Kesreport("\"" + first + "\"");
  ASSERT_EQ(snapshot.status, 0u) << snapshot.err;
  EXPECT_EQ(Kesreport("/compare \"" + first + "\" \"" + first + "\"").status, 0u);
  std::ofstream(second) << "not a report\r\n";
  const Outcome notReport = Kesreport("/compare \"" + first + "\" \"" + second + "\"");
  EXPECT_EQ(notReport.status, 2u);
  EXPECT_EQ(notReport.err, "kesreport: " + second + " line 1: not a Kestrel report\r\n");
}

// A compare that fails is trouble, never "different", and says why where
// there is a standard error; without one, a compare that works still works.
TEST_F(KesreportTest, ACompareThatFailsIsTroubleAndSaysWhy) {
  ASSERT_EQ(Kesreport("\"" + first + "\"").status, 0u);
  std::ofstream(second, std::ios::binary) << ReadAll(first).substr(0, 2000);
  struct Case {
    std::string files;
    Streams streams;
    DWORD status;
    std::string err;
  };
  const std::string same = "\"" + first + "\" \"" + first + "\"";
  const Case cases[] = {
      {same, {false, true}, 2, "kesreport: Permission denied: standard output\r\n"},
      {same, {true, false}, 0, ""},
      {same, {false, false}, 2, ""},
      {"\"" + first + "\" \"" + second + "\"", {true, true}, 2, ""},  // cut short
  };
  for (const Case& c : cases) {
    const Outcome run = Kesreport("/compare " + c.files, c.streams);
    EXPECT_EQ(run.status, c.status) << c.err;
    EXPECT_EQ(run.err, c.err);
    EXPECT_EQ(run.out.ends_with("\r\n\r\nNo differences.\r\n"), c.status == 0) << run.out;
  }
}

}  // namespace
}  // namespace kes_test
