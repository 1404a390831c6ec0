#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "report/report_records.h"
#include "snapshot/snapshot.h"

namespace Report {

// A report read back into the snapshot it was written from. Distinct modules
// point at the first module record with their path, which also takes their
// base size and global usage count (the report shows those only there).
struct ParsedReport : Snapshot {
  std::string generatedOn;

  // 1 when the identifiers are hexadecimal; known only when one of them
  // says so (a letter, or a minus sign), decimal otherwise.
  std::int16_t idView = 0;
  bool idViewKnown = false;

  // Which sections were read to their end; a report cut short keeps what
  // was read before the cut.
  bool tasksComplete = false;
  bool processesComplete = false;
  bool modulesComplete = false;
  bool complete = false;  // the end line was read
  std::int32_t linesRead = 0;

  // The first line that could not be read (0 when every line was), and why.
  // A report with an unreadable line is not used: nothing is guessed.
  std::int32_t errorLine = 0;
  std::string error;

  SnapshotRecords Records() const { return RecordsOf(*this); }
};

// Reads a report as the viewer and kesreport write it. The layout is strict:
// every line in its place with its label, exact to the space. The values are
// read leniently: texts and dates as they stand, identifiers in either mode.
// Lines end in CR LF (a bare LF is accepted); a last line without its end is
// taken as cut short.
ParsedReport ParseReport(std::string_view text);

}  // namespace Report
