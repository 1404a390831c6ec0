#pragma once

#include <string>

#include "snapshot/collection.h"
#include "snapshot/process.h"
#include "snapshot/task.h"
#include "snapshot/unique_module.h"

// One snapshot: its top windows, its processes with their modules, its
// distinct module files, and the caption that says when it was taken (a
// report's own caption line when it was read from one).
struct Snapshot {
  std::string caption;
  kes::Collection<clsTask> tasks;
  kes::Collection<clsProcess> processes;
  kes::Collection<clsUniqueModule> uniqueModules;
};

// The caption of a snapshot taken now: "Snapshot Taken At " and the date and
// time in the general format.
std::string SnapshotCaption(const std::string& generalDateTime);
