#pragma once

#include <string>
#include <vector>

#include "platform/file_name_rule.h"
#include "report/report_parser.h"

namespace kesreport {

struct Comparison {
  std::vector<std::string> lines;  // what to print, without line ends
  bool differs = false;
  bool whole = true;  // both reports were read to their end line
};

// What changed from the report `before` (named `oldName`) to `after`, grouped
// and sorted: processes started and ended (by path; with their counts when a
// path runs more than once), modules loaded and unloaded per process path,
// distinct module files added and removed, and files (programs and modules)
// whose version, size or date changed, old and new side by side. Paths match
// as `rule` matches file names and show as a report spells them. A section that either report holds
// only in part is not compared; the comparison says which report is cut short, after which line,
// and what was compared.
Comparison CompareReports(const Report::ParsedReport& before, const std::string& oldName,
                          const Report::ParsedReport& after, const std::string& newName,
                          const platform::FileNameRule& rule);

}  // namespace kesreport
