#pragma once

#include <string>
#include <vector>

#include "platform/file_facts.h"
#include "platform/progress.h"
#include "platform/tool_help.h"
#include "shell/general/error_report.h"
#include "snapshot/snapshot.h"

// Where a snapshot's top windows come from: their titles, in the order the
// system lists them. A failure while listing is reported inside and the
// titles listed before it are given.
class TopWindowTitles {
 public:
  virtual ~TopWindowTitles() = default;
  virtual std::vector<std::string> Titles() = 0;
};

// What a snapshot is taken from. Without top windows (a snapshot of the
// processes alone) the snapshot has no tasks.
struct SnapshotSources {
  TopWindowTitles* topWindows;
  platform::ToolHelp& toolHelp;
  platform::FileFacts& facts;
};

// Takes a snapshot into `into` (empty): its caption for the moment
// `generalDateTime`, the top windows, the processes and their modules with
// their file facts (FillProcessList95), then the distinct module files.
// `progress` names each process and each distinct module as it is read.
// Returns false when the process walk did not reach the end of the process
// list; a failure in it has then been reported, and the snapshot holds what
// was read before it.
bool TakeSnapshot(Snapshot& into, const SnapshotSources& sources,
                  const std::string& generalDateTime, platform::Progress& progress,
                  const Subs::ErrorReport& report);
