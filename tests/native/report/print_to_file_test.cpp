#include "report/print_to_file.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "shell/general/error_report.h"
#include "tests/fakes/memory_text_files.h"
#include "tests/fakes/recording_boxes.h"
#include "tests/native/report/sample_snapshot.h"

std::string_view GoldenReport(std::string_view file);

namespace {

using kes_test::Boxes;

constexpr const char* kPath = "C:\\My Documents\\snapshot";

class PrintToFileTest : public testing::Test {
 protected:
  void SetUp() override { kes_test::FillThreeProcesses(snapshot); }

  bool Print() {
    return Report::PrintToFile(kPath, snapshot.Records(), {"12/7/99 9:15:00 AM", 0}, files, report);
  }
  static Boxes PrintToFileReport(const std::string& failure) {
    return {{"The Following Error Occurred:\n\n" + failure +
                 "\n\nModule:  frmExplorer\n\nRoutine: PrintToFile\n\nAdditional Info: ",
             "Kestrel Application Error", 0x10}};
  }

  kes_test::SampleSnapshot snapshot;
  kes_test::MemoryTextFiles files;
  kes_test::RecordingBoxes boxes;
  Subs::ErrorReport report{boxes};
};

TEST_F(PrintToFileTest, WritesTheWholeReportClosesTheFileAndSaysNothing) {
  files.files[kPath].writes = {"an older report\r\n"};
  EXPECT_TRUE(Print());
  EXPECT_EQ(files.Text(kPath), GoldenReport("three_processes_dec.txt"));
  EXPECT_EQ(files.files[kPath].closes, 1);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(PrintToFileTest, AFileThatCannotBeCreatedIsReportedAndNothingIsWritten) {
  files.refuseCreate = true;
  EXPECT_FALSE(Print());
  EXPECT_EQ(boxes.shown, PrintToFileReport("76 - Path not found: C:\\My Documents\\snapshot"));
  EXPECT_TRUE(files.files.empty());
}

TEST_F(PrintToFileTest, AWriteThatFailsKeepsTheLinesBeforeItClosesAndReports) {
  files.writesAllowed = 4;
  EXPECT_FALSE(Print());
  EXPECT_EQ(files.Text(kPath),
            "Kestrel(tm) Snapshot Report - top windows, processes, modules, versions.\r\n"
            "Output Generated On 12/7/99 9:15:00 AM\r\n" +
                std::string(72, '-') + "\r\nSnapshot Taken At 12/6/99 3:04:05 PM\r\n");
  EXPECT_EQ(files.files[kPath].closes, 1);
  EXPECT_EQ(boxes.shown, PrintToFileReport("61 - Disk full"));
}

TEST_F(PrintToFileTest, ARecordThatCannotBeReadIsReportedAfterTheFileIsClosed) {
  auto stray = std::make_unique<clsUniqueModule>();
  stray->mlProcID = 9;
  stray->mlModID = 1;
  snapshot.uniqueModules.Add(std::move(stray));
  EXPECT_FALSE(Print());
  EXPECT_EQ(files.files[kPath].closes, 1);
  EXPECT_EQ(files.Text(kPath).find("***End"), std::string::npos);
  EXPECT_EQ(boxes.shown, PrintToFileReport("9 - Subscript out of range"));
}

}  // namespace
