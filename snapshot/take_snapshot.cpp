#include "snapshot/take_snapshot.h"

#include <memory>

#include "snapshot/distinct_modules.h"
#include "snapshot/module_list95.h"

std::string SnapshotCaption(const std::string& generalDateTime) {
  return "Snapshot Taken At " + generalDateTime;
}

bool TakeSnapshot(Snapshot& into, const SnapshotSources& sources,
                  const std::string& generalDateTime, platform::Progress& progress,
                  const Subs::ErrorReport& report) {
  into.caption = SnapshotCaption(generalDateTime);
  if (sources.topWindows != nullptr) {
    for (std::string& title : sources.topWindows->Titles()) {
      auto task = std::make_unique<clsTask>();
      task->mlID = into.tasks.Count() + 1;
      task->msName = std::move(title);
      into.tasks.Add(std::move(task));
    }
  }
  const bool walked = ModuleList95::FillProcessList95(into.processes, sources.toolHelp,
                                                      sources.facts, progress, report);
  FindDistinctModules(into.processes, into.uniqueModules, &progress);
  return walked;
}
