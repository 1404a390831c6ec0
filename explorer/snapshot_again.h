#pragma once

#include <string>
#include <vector>

#include "platform/file_name_rule.h"
#include "report/report_compare.h"
#include "report/report_records.h"

namespace Explorer {

// What a window taken again shows of what changed since the window it was
// taken from: the keys of the tree nodes shown bold (the processes started,
// the modules each process path loaded, the module files added) and the
// status bar's counts.
struct AgainMarks {
  std::vector<std::string> boldKeys;
  std::string counts;
};

// The marks of `comparison`, the comparison of `before` with `after`; paths
// match as `rule` matches file names. A path that runs more often than
// before marks as many of its processes as it gained, those whose
// identifiers `before` did not run under that path first.
AgainMarks MarksOf(const Report::Comparison& comparison, const Report::SnapshotRecords& before,
                   const Report::SnapshotRecords& after, const platform::FileNameRule& rule);

// "3 started, 1 ended, 12 modules loaded, 2 files changed": the number of
// entries in those groups of the comparison.
std::string AgainCounts(const Report::Comparison& comparison);

}  // namespace Explorer
