#pragma once

#include <string>

#include "platform/file_name_rule.h"
#include "report/report_parser.h"

namespace Explorer {

// What opening a report file comes to: an explorer window or none, and the
// one box that says why a report is shown only in part or not at all.
struct ReportOpening {
  bool open = false;
  std::string message;  // empty: no box
  unsigned style = 0;   // the box's buttons and icon
};
ReportOpening OpenReportOutcome(const Report::ParsedReport& report, const std::string& path);

// A report lists a module's base size and global usage count once, with its
// path among the distinct modules, and the reader gives them to the first
// record of that path. Both are facts of the file as the system has loaded
// it, alike for every process, so every later record of the path shows them
// too, as in the window of the snapshot itself. Paths the report's modules
// section does not list keep nothing.
void ShareModuleFileFacts(Report::ParsedReport& report);

// An explorer window showing a report: "Report " + the file's name + " - " +
// the caption the report was written from ("Snapshot Taken At " + time).
std::string ReportCaption(const platform::FileNameRule& rule, const std::string& path,
                          const std::string& snapshotCaption);

// The file's name: what follows its path's last backslash, slash or colon.
std::string FileNameOf(const platform::FileNameRule& rule, const std::string& path);

}  // namespace Explorer
