#pragma once

#include <string>

#include "snapshot/collection.h"
#include "snapshot/process.h"
#include "snapshot/snapshot.h"
#include "snapshot/task.h"
#include "snapshot/unique_module.h"

namespace Report {

// What one report is written from: an explorer window's caption and its three
// collections, read and never changed.
struct SnapshotRecords {
  std::string caption;
  const kes::Collection<clsTask>& tasks;
  const kes::Collection<clsProcess>& processes;
  const kes::Collection<clsUniqueModule>& uniqueModules;
};

inline SnapshotRecords RecordsOf(const Snapshot& snapshot) {
  return {snapshot.caption, snapshot.tasks, snapshot.processes, snapshot.uniqueModules};
}

}  // namespace Report
