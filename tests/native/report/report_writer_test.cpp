#include "report/report_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "report/report_parser.h"
#include "tests/fakes/failure_of.h"
#include "tests/fakes/memory_text_files.h"
#include "tests/native/report/sample_snapshot.h"

std::string_view GoldenReport(std::string_view file);

namespace {

using kes_test::MemorySink;
using kes_test::SampleSnapshot;

constexpr const char* kGeneratedOn = "12/7/99 9:15:00 AM";

TEST(WriteReport, ThreeProcessesMatchTheGoldenReportInBothIdentifierModes) {
  SampleSnapshot snapshot;
  kes_test::FillThreeProcesses(snapshot);
  const std::pair<std::int16_t, const char*> modes[] = {{1, "three_processes_hex.txt"},
                                                        {0, "three_processes_dec.txt"},
                                                        {-1, "three_processes_hex.txt"}};
  for (const auto& [idView, golden] : modes) {
    MemorySink sink;
    Report::WriteReport(snapshot.Records(), {kGeneratedOn, idView}, sink);
    ASSERT_FALSE(GoldenReport(golden).empty()) << golden;
    EXPECT_EQ(sink.Text(), GoldenReport(golden)) << "IDView " << idView;
  }
}

TEST(WriteReport, EmptySnapshotAndEmptyTextsKeepEverySectionLine) {
  SampleSnapshot snapshot;
  MemorySink sink;
  Report::WriteReport(snapshot.Records(), {"", 1}, sink);
  EXPECT_EQ(sink.Text(), GoldenReport("empty.txt"));
}

TEST(WriteReport, EachLineIsOneWriteEndingInCarriageReturnLineFeed) {
  SampleSnapshot snapshot;
  kes_test::FillThreeProcesses(snapshot);
  MemorySink sink;
  Report::WriteReport(snapshot.Records(), {kGeneratedOn, 1}, sink);
  ASSERT_EQ(sink.writes.size(), 133u);
  for (const std::string& write : sink.writes) {
    ASSERT_GE(write.size(), 2u);
    EXPECT_EQ(write.substr(write.size() - 2), "\r\n") << write;
    EXPECT_EQ(write.find_first_of("\r\n"), write.size() - 2) << write;
  }
}

TEST(WriteReport, LongTextsAreWrittenWholeOnTheirLines) {
  // Longer than a line's first room, and longer than a short piece.
  const std::string title(1500, 'T');
  const std::string other = std::string(200, 'o') + "!";
  SampleSnapshot snapshot;
  snapshot.AddTask(title);
  snapshot.AddTask(other);
  MemorySink sink;
  Report::WriteReport(snapshot.Records(), {kGeneratedOn, 1}, sink);
  const std::string text = sink.Text();
  EXPECT_NE(text.find("\r\nTOP WINDOWS\r\nName: " + title + "\r\nName: " + other + "\r\n---"),
            std::string::npos);
}

// Titles come from other programs and may hold any character; one line end
// in a title would break the report so that it never reads back.
TEST(WriteReport, ControlCharactersInTextsAreWrittenAsSpacesSoTheReportReadsBack) {
  struct Case {
    std::string text, written;
  };
  const Case cases[] = {
      {"Two\r\nlines", "Two  lines"},
      {"\tTab\x01 delete\x7F", " Tab  delete "},
      {"\xC9t\xE9 \x80\xFF", "\xC9t\xE9 \x80\xFF"},  // the code page's own characters stay
  };
  // Every text of the report holds `text`; a distinct module's path too.
  const auto reportWith = [](const std::string& text) {
    SampleSnapshot snapshot;
    kes_test::FillThreeProcesses(snapshot);
    snapshot.caption = text;
    snapshot.AddTask(text);
    snapshot.processes.Item(3).msExePath = text;
    clsModule& dialogs = snapshot.processes.Item(2).mcolModules.Item(2);
    dialogs.msName = text;
    dialogs.msExePath = "C:\\" + text;
    dialogs.msFileDateTime = text;
    snapshot.uniqueModules.Item(3).msExePath = dialogs.msExePath;
    MemorySink sink;
    Report::WriteReport(snapshot.Records(), {text, 1}, sink);
    return sink.Text();
  };
  for (const Case& c : cases) {
    const std::string report = reportWith(c.text);
    EXPECT_EQ(report, reportWith(c.written)) << c.written;
    const Report::ParsedReport parsed = Report::ParseReport(report);
    EXPECT_EQ(parsed.error, "") << c.written << " line " << parsed.errorLine;
    EXPECT_TRUE(parsed.complete) << c.written;
    ASSERT_EQ(parsed.tasks.Count(), 3) << c.written;
    EXPECT_EQ(parsed.tasks.Item(3).msName, c.written);
  }
}

TEST(WriteReport, ADistinctModuleThatPointsAtNoRecordStopsAfterTheModulesHeading) {
  SampleSnapshot snapshot;
  kes_test::FillThreeProcesses(snapshot);
  auto stray = std::make_unique<clsUniqueModule>();
  stray->mlProcID = 3;  // a process without modules
  stray->mlModID = 1;
  snapshot.uniqueModules.Add(std::move(stray));
  MemorySink sink;
  EXPECT_EQ(kes_test::FailureNumber([&] {
              Report::WriteReport(snapshot.Records(), {kGeneratedOn, 1}, sink);
            }),
            kes::kErrSubscriptOutOfRange);
  // The three good distinct modules are written, then nothing more.
  const std::string_view golden = GoldenReport("three_processes_hex.txt");
  const std::string expected(golden.substr(0, golden.rfind("***End")));
  EXPECT_EQ(sink.Text(),
            expected.substr(0, expected.find("Total Modules: 3")) + "Total Modules: 4\r\n" +
                expected.substr(expected.find(" \r\n", expected.find("Total Modules: 3"))));
}

}  // namespace
