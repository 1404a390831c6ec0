#include "report/report_compare.h"

#include <algorithm>
#include <map>
#include <string_view>

#include "snapshot/display_rules.h"

namespace Report {

namespace {

using Rule = platform::FileNameRule;

// Paths are keyed as the system compares file names (letter case does not
// count) and shown as the report spells them, the first spelling read.
using PathSet = std::map<std::string, std::string_view>;

struct Counted {
  std::string_view shown;
  std::int32_t count = 0;
};
using Counts = std::map<std::string, Counted>;

struct ProcessModules {
  std::string_view shown;
  PathSet modules;
};

// The facts of one file as a report shows them.
struct FileFacts {
  std::string_view shown;
  std::string version;
  std::int32_t size;
  std::string_view date;
};
using Files = std::map<std::string, FileFacts>;

Counts ProcessCounts(const SnapshotRecords& report, const Rule& rule) {
  Counts counts;
  for (std::int32_t i = 1; i <= report.processes.Count(); ++i) {
    const std::string& path = report.processes.Item(i).msExePath;
    Counted& counted = counts.try_emplace(rule.Folded(path), Counted{path}).first->second;
    ++counted.count;
  }
  return counts;
}

// Every module path each process path has loaded, over all its runs.
std::map<std::string, ProcessModules> ModulesByProcess(const SnapshotRecords& report,
                                                       const Rule& rule) {
  std::map<std::string, ProcessModules> modules;
  for (std::int32_t i = 1; i <= report.processes.Count(); ++i) {
    const clsProcess& process = report.processes.Item(i);
    PathSet& set =
        modules.try_emplace(rule.Folded(process.msExePath), ProcessModules{process.msExePath, {}})
            .first->second.modules;
    for (std::int32_t j = 1; j <= process.mcolModules.Count(); ++j) {
      const std::string& path = process.mcolModules.Item(j).msExePath;
      set.emplace(rule.Folded(path), path);
    }
  }
  return modules;
}

PathSet DistinctPaths(const SnapshotRecords& report, const Rule& rule) {
  PathSet paths;
  for (std::int32_t k = 1; k <= report.uniqueModules.Count(); ++k) {
    const std::string& path = report.uniqueModules.Item(k).msExePath;
    paths.emplace(rule.Folded(path), path);
  }
  return paths;
}

// The programs and modules read, each path with its first facts.
Files FileFactsOf(const SnapshotRecords& report, const Rule& rule) {
  Files files;
  const auto add = [&files, &rule](const auto& record) {
    if (!record.msExePath.empty()) {
      files.emplace(rule.Folded(record.msExePath),
                    FileFacts{record.msExePath, Display::VersionText(record.moVersionInfo),
                              record.mlFileSize, record.msFileDateTime});
    }
  };
  for (std::int32_t i = 1; i <= report.processes.Count(); ++i) {
    const clsProcess& process = report.processes.Item(i);
    add(process);
    for (std::int32_t j = 1; j <= process.mcolModules.Count(); ++j) {
      add(process.mcolModules.Item(j));
    }
  }
  return files;
}

// Adds the differences to their groups.
class Output {
 public:
  explicit Output(Comparison& comparison) : comparison_(comparison) {}

  void Group(ChangeKind kind) { group_ = &comparison_.groups[static_cast<std::size_t>(kind)]; }
  void Entry(std::vector<std::string> cells, std::vector<std::string> lines) {
    group_->changes.push_back({std::move(cells), std::move(lines)});
    comparison_.differs = true;
  }
  void Note(const std::string& text) { comparison_.notes.push_back(text); }

 private:
  Comparison& comparison_;
  ChangeGroup* group_ = nullptr;
};

void AddCount(Output& out, std::string_view path, std::int32_t before, std::int32_t after) {
  std::string text = "  " + std::string(path);
  if (std::max(before, after) > 1) {
    text += " (" + std::to_string(before) + " -> " + std::to_string(after) + ")";
  }
  out.Entry({std::string(path), std::to_string(before), std::to_string(after)}, {text});
}

void CompareProcesses(Output& out, const SnapshotRecords& before, const SnapshotRecords& after,
                      const Rule& rule) {
  const Counts old = ProcessCounts(before, rule), now = ProcessCounts(after, rule);
  const auto countIn = [](const Counts& counts, const std::string& path) {
    const auto found = counts.find(path);
    return found == counts.end() ? 0 : found->second.count;
  };
  out.Group(ChangeKind::kProcessesStarted);
  for (const auto& [path, counted] : now) {
    if (counted.count > countIn(old, path)) {
      AddCount(out, counted.shown, countIn(old, path), counted.count);
    }
  }
  out.Group(ChangeKind::kProcessesEnded);
  for (const auto& [path, counted] : old) {
    if (counted.count > countIn(now, path)) {
      AddCount(out, counted.shown, counted.count, countIn(now, path));
    }
  }

  const auto oldModules = ModulesByProcess(before, rule),
             newModules = ModulesByProcess(after, rule);
  // Modules that `from` lists for a process path and `to` does not, under
  // the paths both snapshots run; the process is printed once, above them.
  const auto listMissing = [&out](const auto& from, const auto& to) {
    for (const auto& [process, loaded] : from) {
      const auto other = to.find(process);
      if (other == to.end()) {
        continue;
      }
      std::vector<PathSet::value_type> missing;
      std::set_difference(
          loaded.modules.begin(), loaded.modules.end(), other->second.modules.begin(),
          other->second.modules.end(), std::back_inserter(missing),
          [](const auto& one, const auto& another) { return one.first < another.first; });
      for (std::size_t m = 0; m < missing.size(); ++m) {
        std::vector<std::string> lines;
        if (m == 0) {
          lines.push_back("  " + std::string(loaded.shown));
        }
        lines.push_back("    " + std::string(missing[m].second));
        out.Entry({std::string(loaded.shown), std::string(missing[m].second)}, std::move(lines));
      }
    }
  };
  out.Group(ChangeKind::kModulesLoaded);
  listMissing(newModules, oldModules);
  out.Group(ChangeKind::kModulesUnloaded);
  listMissing(oldModules, newModules);
}

void CompareDistinctModules(Output& out, const SnapshotRecords& before,
                            const SnapshotRecords& after, const Rule& rule) {
  const PathSet old = DistinctPaths(before, rule), now = DistinctPaths(after, rule);
  const auto listMissing = [&out](const PathSet& from, const PathSet& to) {
    for (const auto& [path, shown] : from) {
      if (to.count(path) == 0) {
        out.Entry({std::string(shown)}, {"  " + std::string(shown)});
      }
    }
  };
  out.Group(ChangeKind::kModuleFilesAdded);
  listMissing(now, old);
  out.Group(ChangeKind::kModuleFilesRemoved);
  listMissing(old, now);
}

// "<label><old> -> <new>": one line of a changed file's facts.
std::string ChangeLine(const char* label, std::string_view was, std::string_view is) {
  std::string line(label);
  line += was;
  line += " -> ";
  line += is;
  return line;
}

void CompareFiles(Output& out, const SnapshotRecords& before, const SnapshotRecords& after,
                  const Rule& rule) {
  const Files old = FileFactsOf(before, rule), now = FileFactsOf(after, rule);
  out.Group(ChangeKind::kFilesChanged);
  for (const auto& [path, facts] : now) {
    const auto was = old.find(path);
    if (was == old.end()) {
      continue;
    }
    const FileFacts& then = was->second;
    if (then.version == facts.version && then.size == facts.size && then.date == facts.date) {
      continue;
    }
    const std::string oldSize = std::to_string(then.size), newSize = std::to_string(facts.size);
    out.Entry(
        {std::string(facts.shown), then.version, facts.version, oldSize, newSize,
         std::string(then.date), std::string(facts.date)},
        {"  " + std::string(facts.shown), ChangeLine("    Version: ", then.version, facts.version),
         ChangeLine("    Size:    ", oldSize, newSize),
         ChangeLine("    Date:    ", then.date, facts.date)});
  }
}

void NoteCut(Output& out, const ComparedSnapshot& side) {
  if (side.complete) {
    return;
  }
  std::string what = side.processesComplete ? "module files added and removed"
                                            : "processes, their modules and module files";
  out.Note(side.name + " is cut short after line " + std::to_string(side.linesRead) + ": " + what +
           " are not compared.");
}

constexpr std::array<const char*, kChangeKinds> kHeadings{
    "PROCESSES STARTED",  "PROCESSES ENDED",      "MODULES LOADED", "MODULES UNLOADED",
    "MODULE FILES ADDED", "MODULE FILES REMOVED", "FILES CHANGED"};

}  // namespace

ComparedSnapshot FromReport(const ParsedReport& report, const std::string& name) {
  return {name,
          report.Records(),
          report.processesComplete,
          report.modulesComplete,
          report.complete,
          report.linesRead};
}

ComparedSnapshot FromLive(const SnapshotRecords& records, const std::string& name) {
  return {name, records};
}

std::vector<std::string> Comparison::Lines() const {
  std::vector<std::string> lines = notes;
  for (const ChangeGroup& group : groups) {
    if (group.changes.empty()) {
      continue;
    }
    lines.emplace_back();
    lines.emplace_back(group.heading);
    for (const Change& change : group.changes) {
      lines.insert(lines.end(), change.lines.begin(), change.lines.end());
    }
  }
  if (!differs) {
    lines.emplace_back();
    lines.emplace_back(whole ? "No differences." : "No differences in what was compared.");
  }
  return lines;
}

Comparison CompareSnapshots(const ComparedSnapshot& before, const ComparedSnapshot& after,
                            const platform::FileNameRule& rule) {
  Comparison comparison;
  for (std::size_t g = 0; g < kChangeKinds; ++g) {
    comparison.groups[g] = {static_cast<ChangeKind>(g), kHeadings[g], {}};
  }
  Output out(comparison);
  out.Note("Old: " + before.name + " (" + before.records.caption + ")");
  out.Note("New: " + after.name + " (" + after.records.caption + ")");
  NoteCut(out, before);
  NoteCut(out, after);
  const bool processes = before.processesComplete && after.processesComplete;
  comparison.whole = before.complete && after.complete;
  if (!comparison.whole) {
    out.Note(processes ? "Compared: processes started and ended, modules loaded and unloaded, "
                         "files changed."
                       : "Compared: files changed.");
  }
  if (processes) {
    CompareProcesses(out, before.records, after.records, rule);
  }
  if (before.modulesComplete && after.modulesComplete) {
    CompareDistinctModules(out, before.records, after.records, rule);
  }
  CompareFiles(out, before.records, after.records, rule);
  return comparison;
}

}  // namespace Report
