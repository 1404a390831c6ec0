#include "bench/startup_bench_win32.h"

#include <chrono>
#include <cstdio>
#include <vector>

#include "bench/median.h"
#include "platform/win32/file_name_rule_win32.h"
#include "snapshot/file_facts_memory.h"
#include "snapshot/module_list95.h"
#include "startup/win32/startup_now.h"

namespace {

double MillisecondsOf(const std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since)
      .count();
}

}  // namespace

std::string BenchStartup(platform::ToolHelp& toolHelp, platform::FileFacts& facts,
                         platform::Progress& progress, const Subs::ErrorReport& report) {
  const platform::Win32FileNameRule rule;
  FileFactsMemory memory(rule);
  const auto walk = [&] {
    const auto start = std::chrono::steady_clock::now();
    kes::Collection<clsProcess> records;
    FileFactsMemory::Snapshot remembered(memory, facts);
    ModuleList95::FillProcessList95(records, toolHelp, remembered, progress, report);
    return MillisecondsOf(start);
  };
  std::size_t entries = 0;
  const auto open = [&] {
    const auto start = std::chrono::steady_clock::now();
    entries = startupwin::ReadStartupNow(memory, rule, report).rows.size();
    return MillisecondsOf(start);
  };
  walk();
  open();
  std::vector<double> walks, opens;
  for (int round = 0; round < 7; ++round) {
    // Each goes first every other round.
    if (round % 2 == 0) {
      walks.push_back(walk());
      opens.push_back(open());
    } else {
      opens.push_back(open());
      walks.push_back(walk());
    }
  }
  const double o = Median(opens), w = Median(walks);
  char line[160];
  std::snprintf(line, sizeof line, "startup: entries=%zu open_ms=%.1f walk_ms=%.1f ratio=%.2f",
                entries, o, w, w > 0 ? o / w : 0.0);
  return line;
}
