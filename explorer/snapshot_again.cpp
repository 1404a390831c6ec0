#include "explorer/snapshot_again.h"

#include <algorithm>
#include <cstdint>
#include <set>
#include <string_view>
#include <unordered_map>

namespace Explorer {

namespace {

using Report::ChangeKind;

const std::vector<Report::Change>& Changes(const Report::Comparison& comparison, ChangeKind kind) {
  return comparison.groups[static_cast<std::size_t>(kind)].changes;
}

// The positions of the processes of each path, by the folded path.
std::unordered_map<std::string, std::vector<std::int32_t>> ProcessesByPath(
    const kes::Collection<clsProcess>& processes, const platform::FileNameRule& rule) {
  std::unordered_map<std::string, std::vector<std::int32_t>> byPath;
  for (std::int32_t i = 1; i <= processes.Count(); ++i) {
    byPath[rule.Folded(processes.Item(i).msExePath)].push_back(i);
  }
  return byPath;
}

void MarkStarted(AgainMarks& marks, const Report::Comparison& comparison,
                 const Report::SnapshotRecords& before, const Report::SnapshotRecords& after,
                 const platform::FileNameRule& rule) {
  const auto oldRuns = ProcessesByPath(before.processes, rule);
  const auto newRuns = ProcessesByPath(after.processes, rule);
  for (const Report::Change& change : Changes(comparison, ChangeKind::kProcessesStarted)) {
    const std::string path = rule.Folded(change.cells.at(0));
    const auto runs = newRuns.find(path);
    if (runs == newRuns.end()) {
      continue;
    }
    std::set<std::int32_t> oldIds;
    if (const auto old = oldRuns.find(path); old != oldRuns.end()) {
      for (const std::int32_t i : old->second) {
        oldIds.insert(before.processes.Item(i).mlth32ProcessID);
      }
    }
    const std::size_t gained = runs->second.size() - std::min(runs->second.size(), oldIds.size());
    // Those with an identifier that is new first, then the latest in order.
    std::vector<std::int32_t> chosen;
    for (const std::int32_t i : runs->second) {
      if (chosen.size() < gained && oldIds.count(after.processes.Item(i).mlth32ProcessID) == 0) {
        chosen.push_back(i);
      }
    }
    for (auto i = runs->second.rbegin(); i != runs->second.rend() && chosen.size() < gained; ++i) {
      if (std::find(chosen.begin(), chosen.end(), *i) == chosen.end()) {
        chosen.push_back(*i);
      }
    }
    for (const std::int32_t i : chosen) {
      marks.boldKeys.push_back("Proc" + std::to_string(after.processes.Item(i).mlID));
    }
  }
}

void MarkLoaded(AgainMarks& marks, const Report::Comparison& comparison,
                const Report::SnapshotRecords& after, const platform::FileNameRule& rule) {
  const auto& loaded = Changes(comparison, ChangeKind::kModulesLoaded);
  if (loaded.empty()) {
    return;
  }
  // The module paths each process path loaded anew.
  std::unordered_map<std::string, std::set<std::string>> news;
  for (const Report::Change& change : loaded) {
    news[rule.Folded(change.cells.at(0))].insert(rule.Folded(change.cells.at(1)));
  }
  for (std::int32_t i = 1; i <= after.processes.Count(); ++i) {
    const clsProcess& process = after.processes.Item(i);
    const auto paths = news.find(rule.Folded(process.msExePath));
    if (paths == news.end()) {
      continue;
    }
    for (std::int32_t j = 1; j <= process.mcolModules.Count(); ++j) {
      const clsModule& module = process.mcolModules.Item(j);
      if (paths->second.count(rule.Folded(module.msExePath)) != 0) {
        marks.boldKeys.push_back("Mod" + std::to_string(module.mlID));
      }
    }
  }
}

void MarkAdded(AgainMarks& marks, const Report::Comparison& comparison,
               const Report::SnapshotRecords& after, const platform::FileNameRule& rule) {
  std::set<std::string> added;
  for (const Report::Change& change : Changes(comparison, ChangeKind::kModuleFilesAdded)) {
    added.insert(rule.Folded(change.cells.at(0)));
  }
  for (std::int32_t k = 1; k <= after.uniqueModules.Count() && !added.empty(); ++k) {
    if (added.count(rule.Folded(after.uniqueModules.Item(k).msExePath)) != 0) {
      marks.boldKeys.push_back("ModX" + std::to_string(k));
    }
  }
}

}  // namespace

AgainMarks MarksOf(const Report::Comparison& comparison, const Report::SnapshotRecords& before,
                   const Report::SnapshotRecords& after, const platform::FileNameRule& rule) {
  AgainMarks marks;
  MarkStarted(marks, comparison, before, after, rule);
  MarkLoaded(marks, comparison, after, rule);
  MarkAdded(marks, comparison, after, rule);
  marks.counts = AgainCounts(comparison);
  return marks;
}

std::string AgainCounts(const Report::Comparison& comparison) {
  const auto count = [&comparison](ChangeKind kind) {
    return std::to_string(Changes(comparison, kind).size());
  };
  return count(ChangeKind::kProcessesStarted) + " started, " + count(ChangeKind::kProcessesEnded) +
         " ended, " + count(ChangeKind::kModulesLoaded) + " modules loaded, " +
         count(ChangeKind::kFilesChanged) + " files changed";
}

}  // namespace Explorer
