#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/file_name_rule.h"
#include "report/report_parser.h"
#include "report/report_records.h"

namespace Report {

// One side of a comparison: a snapshot's records, and how much of them a
// report held (a live snapshot is whole).
struct ComparedSnapshot {
  std::string name;  // the file, or the window, it comes from
  SnapshotRecords records;
  bool processesComplete = true;
  bool modulesComplete = true;
  bool complete = true;
  std::int32_t linesRead = 0;
};
ComparedSnapshot FromReport(const ParsedReport& report, const std::string& name);
ComparedSnapshot FromLive(const SnapshotRecords& records, const std::string& name);

// The groups of differences, in the order they are printed.
enum class ChangeKind {
  kProcessesStarted,
  kProcessesEnded,
  kModulesLoaded,
  kModulesUnloaded,
  kModuleFilesAdded,
  kModuleFilesRemoved,
  kFilesChanged,
};
inline constexpr std::size_t kChangeKinds = 7;

// One difference: its cells as a list shows them, and its lines as the text
// prints them.
struct Change {
  std::vector<std::string> cells;
  std::vector<std::string> lines;
};

struct ChangeGroup {
  ChangeKind kind;
  const char* heading;  // as printed, "PROCESSES STARTED"
  std::vector<Change> changes;
};

struct Comparison {
  // The lines before the groups: both snapshots named, and what a report cut
  // short kept from being compared.
  std::vector<std::string> notes;
  std::array<ChangeGroup, kChangeKinds> groups;
  bool differs = false;
  bool whole = true;  // both snapshots were read to their end

  // Every line of the comparison's text, without line ends: the notes, each
  // group that holds a difference after an empty line and its heading, and
  // "No differences." when none does.
  std::vector<std::string> Lines() const;
};

// What changed from `before` to `after`, grouped and sorted: processes
// started and ended (by path; with their counts when a path runs more than
// once), modules loaded and unloaded per process path, distinct module files
// added and removed, and files (programs and modules) whose version, size or
// date changed, old and new side by side. Paths match as `rule` matches file
// names and show as the snapshot spells them. A section that either side
// holds only in part is not compared; the notes say which report is cut
// short, after which line, and what was compared.
Comparison CompareSnapshots(const ComparedSnapshot& before, const ComparedSnapshot& after,
                            const platform::FileNameRule& rule);

}  // namespace Report
