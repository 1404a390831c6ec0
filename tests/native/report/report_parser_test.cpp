#include "report/report_parser.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "report/report_writer.h"
#include "tests/fakes/memory_text_files.h"

std::string_view GoldenReport(std::string_view file);

namespace {

using Report::ParsedReport;
using Report::ParseReport;

std::string Golden(std::string_view name) { return std::string(GoldenReport(name)); }

// The golden report with line `number` (1-based) replaced.
std::string WithLine(std::string_view golden, int number, const std::string& line) {
  std::string text = Golden(golden);
  std::size_t from = 0;
  for (int i = 1; i < number; ++i) {
    from = text.find("\r\n", from) + 2;
  }
  return text.replace(from, text.find("\r\n", from) - from, line);
}

// The first `lines` lines of the golden report, and `extra` after them.
std::string FirstLines(std::string_view golden, int lines, const std::string& extra = {}) {
  const std::string text = Golden(golden);
  std::size_t end = 0;
  for (int i = 0; i < lines; ++i) {
    end = text.find("\r\n", end) + 2;
  }
  return text.substr(0, end) + extra;
}

TEST(ParseReport, ReadsEveryGoldenReportBackToTheRecordsItWasWrittenFrom) {
  struct Case {
    const char* golden;
    std::int16_t idView;
    bool idViewKnown;
  };
  for (const Case& c : {Case{"three_processes_hex.txt", 1, true},
                        Case{"three_processes_dec.txt", 0, true}, Case{"empty.txt", 0, false}}) {
    const ParsedReport parsed = ParseReport(Golden(c.golden));
    ASSERT_EQ(parsed.error, "") << c.golden << " line " << parsed.errorLine;
    EXPECT_TRUE(parsed.complete && parsed.tasksComplete && parsed.processesComplete &&
                parsed.modulesComplete)
        << c.golden;
    EXPECT_EQ(parsed.idView, c.idView) << c.golden;
    EXPECT_EQ(parsed.idViewKnown, c.idViewKnown) << c.golden;
    // Written again, the records give the same bytes.
    kes_test::MemorySink again;
    Report::WriteReport(parsed.Records(), {parsed.generatedOn, parsed.idView}, again);
    EXPECT_EQ(again.Text(), Golden(c.golden)) << c.golden;
  }
}

TEST(ParseReport, IdentifiersWithTheTopBitSetReadTheSameInBothModes) {
  for (const char* golden : {"three_processes_hex.txt", "three_processes_dec.txt"}) {
    const ParsedReport parsed = ParseReport(Golden(golden));
    ASSERT_EQ(parsed.processes.Count(), 3);
    const clsProcess& explorer = parsed.processes.Item(1);
    EXPECT_EQ(explorer.mlth32ProcessID, -2) << golden;
    EXPECT_EQ(explorer.mlth32ParentProcessID, static_cast<std::int32_t>(0xFFFE8C4Du)) << golden;
    EXPECT_EQ(explorer.mlPriority, 32);
    EXPECT_EQ(explorer.mcolModules.Item(1).mhModule, static_cast<std::int32_t>(0xBFF70000u));
    // The distinct module's own lines go to the record it points at.
    EXPECT_EQ(explorer.mcolModules.Item(1).mGlblcntUsage, 21);
    const clsUniqueModule& dialogs = parsed.uniqueModules.Item(3);
    EXPECT_EQ(dialogs.mlProcID, 2);
    EXPECT_EQ(dialogs.mlModID, 2);
  }
}

// A 64-bit build writes module addresses and handles wider than 32 bits and
// reads them back; a build whose records hold 32 bits refuses them.
TEST(ParseReport, ValuesWiderThan32BitsReadBackWhereTheRecordsHoldThem) {
  struct Case {
    const char* golden;
    int line;
    std::string text;
    const char* error32;
  };
  const Case cases[] = {
      {"three_processes_hex.txt", 38, "      Module Base Address: 7FF612340000",
       "\"7FF612340000\" is not an identifier"},
      {"three_processes_dec.txt", 38, "      Module Base Address: 140694844080128",
       "\"140694844080128\" is not an identifier"},
      {"three_processes_hex.txt", 20, "Process Handle:        140694844080128",
       "\"140694844080128\" is not a number"},
  };
  for (const Case& c : cases) {
    const std::string text = WithLine(c.golden, c.line, c.text);
    const ParsedReport parsed = ParseReport(text);
    if (sizeof(kes::Address) == 4) {
      EXPECT_EQ(parsed.error, c.error32) << c.text;
      EXPECT_EQ(parsed.errorLine, c.line) << c.text;
      continue;
    }
    ASSERT_EQ(parsed.error, "") << c.text;
    const clsProcess& explorer = parsed.processes.Item(1);
    EXPECT_EQ(c.line == 20 ? explorer.mlProcessHandle : explorer.mcolModules.Item(1).mmodBaseAddr,
              static_cast<kes::Address>(0x7FF612340000))
        << c.text;
    kes_test::MemorySink again;
    Report::WriteReport(parsed.Records(), {parsed.generatedOn, parsed.idView}, again);
    EXPECT_EQ(again.Text(), text) << c.text;
  }
}

TEST(ParseReport, AReportCutShortIsReadAsFarAsItGoes) {
  struct Case {
    std::string text;
    std::int32_t processes;
    bool tasksComplete, processesComplete;
    std::int32_t linesRead;
  };
  const Case cases[] = {
      {FirstLines("three_processes_hex.txt", 8), 0, false, false, 8},
      // A record cut in the middle is left out; the process before its first
      // module is whole.
      {FirstLines("three_processes_hex.txt", 20, "Process Prio"), 0, true, false, 20},
      {FirstLines("three_processes_hex.txt", 35), 1, true, false, 35},
      {FirstLines("three_processes_hex.txt", 104), 3, true, true, 104},
      {FirstLines("three_processes_hex.txt", 132), 3, true, true, 132},
  };
  for (const Case& c : cases) {
    const ParsedReport parsed = ParseReport(c.text);
    EXPECT_EQ(parsed.error, "") << c.linesRead;
    EXPECT_FALSE(parsed.complete || parsed.modulesComplete) << c.linesRead;
    EXPECT_EQ(parsed.tasksComplete, c.tasksComplete) << c.linesRead;
    EXPECT_EQ(parsed.processesComplete, c.processesComplete) << c.linesRead;
    EXPECT_EQ(parsed.processes.Count(), c.processes) << c.linesRead;
    EXPECT_EQ(parsed.linesRead, c.linesRead);
    if (c.linesRead == 35) {
      EXPECT_EQ(parsed.processes.Item(1).mcolModules.Count(), 0);
      EXPECT_EQ(parsed.processes.Item(1).mlth32ModuleID, 0x2A);
    }
  }
}

TEST(ParseReport, ALineThatCannotBeReadIsNamedWithItsNumber) {
  struct Case {
    std::string text;
    std::int32_t line;
    std::string error;
  };
  const std::string hex = "three_processes_hex.txt";
  const Case cases[] = {
      {"", 1, "not a Kestrel report (no line)"},
      {"Dear user,\r\nthis is a letter.\r\n", 1, "not a Kestrel report"},
      {WithLine(hex, 17, "File Size:             20k"), 17, "\"20k\" is not a number"},
      {WithLine(hex, 17, "File Size:            204288"), 17,
       "expected a line starting \"File Size:             \""},
      {WithLine(hex, 18, "Version:               4.72.3110"), 18, "\"4.72.3110\" is not a version"},
      {WithLine(hex, 21, "Process Priority:      Busy"), 21, "\"Busy\" is not a priority"},
      {WithLine(hex, 27, "Module ID (Assoc EXE): -4"), 27,
       "\"-4\" mixes hexadecimal and decimal identifiers"},
      {WithLine(hex, 27, "Module ID (Assoc EXE): 1FFFFFFFF"), 27,
       "\"1FFFFFFFF\" is not an identifier"},
      {WithLine(hex, 83, "    The Following Are In Context"), 83,
       "expected \"    The Following Are 'In Context Of The Owning Process'\""},
      {WithLine(hex, 13, "Total Processes: 4"), 104,
       "the report lists 3 processes, its total says 4"},
      {WithLine(hex, 110, "File Path:          C:\\WINDOWS\\SYSTEM\\GONE.DLL"), 110,
       "no process lists the module \"C:\\WINDOWS\\SYSTEM\\GONE.DLL\""},
      {WithLine(hex, 111, "File Size:          471041"), 113,
       "the module \"C:\\WINDOWS\\SYSTEM\\KERNEL32.DLL\" differs from its first listing"},
      {Golden(hex) + "more\r\n", 134, "text after the end of the report"},
  };
  for (const Case& c : cases) {
    const ParsedReport parsed = ParseReport(c.text);
    EXPECT_EQ(parsed.errorLine, c.line) << c.error;
    EXPECT_EQ(parsed.error, c.error);
  }
}

// Reports written before titles were cleaned may hold control characters;
// they read as the spaces they are written as now.
TEST(ParseReport, ControlCharactersInTextsReadAsSpaces) {
  const ParsedReport parsed =
      ParseReport(WithLine("three_processes_hex.txt", 8, "Name: Program\tManager\x7F\r"));
  ASSERT_EQ(parsed.error, "");
  EXPECT_EQ(parsed.tasks.Item(1).msName, "Program Manager  ");
}

TEST(ParseReport, BareLineFeedsAreAccepted) {
  std::string text = Golden("three_processes_dec.txt");
  std::erase(text, '\r');
  const ParsedReport parsed = ParseReport(text);
  EXPECT_EQ(parsed.error, "");
  EXPECT_TRUE(parsed.complete);
  EXPECT_EQ(parsed.processes.Item(2).mcolModules.Item(2).msName, "COMDLG32.DLL");
}

}  // namespace
