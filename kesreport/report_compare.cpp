#include "kesreport/report_compare.h"

#include <algorithm>
#include <map>
#include <string_view>

#include "snapshot/display_rules.h"

namespace kesreport {

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

Counts ProcessCounts(const Report::ParsedReport& report, const Rule& rule) {
  Counts counts;
  for (std::int32_t i = 1; i <= report.processes.Count(); ++i) {
    const std::string& path = report.processes.Item(i).msExePath;
    Counted& counted = counts.try_emplace(rule.Folded(path), Counted{path}).first->second;
    ++counted.count;
  }
  return counts;
}

// Every module path each process path has loaded, over all its runs.
std::map<std::string, ProcessModules> ModulesByProcess(const Report::ParsedReport& report,
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

PathSet DistinctPaths(const Report::ParsedReport& report, const Rule& rule) {
  PathSet paths;
  for (std::int32_t k = 1; k <= report.uniqueModules.Count(); ++k) {
    const std::string& path = report.uniqueModules.Item(k).msExePath;
    paths.emplace(rule.Folded(path), path);
  }
  return paths;
}

// The programs and modules read, each path with its first facts.
Files FileFactsOf(const Report::ParsedReport& report, const Rule& rule) {
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

class Output {
 public:
  explicit Output(Comparison& comparison) : comparison_(comparison) {}

  // A group's heading comes with its first entry; an empty group shows none.
  void Group(const char* heading) {
    heading_ = heading;
    headed_ = false;
  }
  void Entry(const std::string& text) {
    if (!headed_) {
      comparison_.lines.emplace_back();
      comparison_.lines.emplace_back(heading_);
      headed_ = true;
    }
    comparison_.lines.push_back(text);
    comparison_.differs = true;
  }
  void Note(const std::string& text) { comparison_.lines.push_back(text); }

 private:
  Comparison& comparison_;
  std::string heading_;
  bool headed_ = false;
};

std::string CountText(std::string_view path, std::int32_t before, std::int32_t after) {
  std::string text = "  " + std::string(path);
  if (std::max(before, after) > 1) {
    text += " (" + std::to_string(before) + " -> " + std::to_string(after) + ")";
  }
  return text;
}

void CompareProcesses(Output& out, const Report::ParsedReport& before,
                      const Report::ParsedReport& after, const Rule& rule) {
  const Counts old = ProcessCounts(before, rule), now = ProcessCounts(after, rule);
  const auto countIn = [](const Counts& counts, const std::string& path) {
    const auto found = counts.find(path);
    return found == counts.end() ? 0 : found->second.count;
  };
  out.Group("PROCESSES STARTED");
  for (const auto& [path, counted] : now) {
    if (counted.count > countIn(old, path)) {
      out.Entry(CountText(counted.shown, countIn(old, path), counted.count));
    }
  }
  out.Group("PROCESSES ENDED");
  for (const auto& [path, counted] : old) {
    if (counted.count > countIn(now, path)) {
      out.Entry(CountText(counted.shown, counted.count, countIn(now, path)));
    }
  }

  const auto oldModules = ModulesByProcess(before, rule),
             newModules = ModulesByProcess(after, rule);
  // Modules that `from` lists for a process path and `to` does not, under
  // the paths both reports run.
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
      if (!missing.empty()) {
        out.Entry("  " + std::string(loaded.shown));
        for (const auto& [module, shown] : missing) {
          out.Entry("    " + std::string(shown));
        }
      }
    }
  };
  out.Group("MODULES LOADED");
  listMissing(newModules, oldModules);
  out.Group("MODULES UNLOADED");
  listMissing(oldModules, newModules);
}

void CompareDistinctModules(Output& out, const Report::ParsedReport& before,
                            const Report::ParsedReport& after, const Rule& rule) {
  const PathSet old = DistinctPaths(before, rule), now = DistinctPaths(after, rule);
  out.Group("MODULE FILES ADDED");
  for (const auto& [path, shown] : now) {
    if (old.count(path) == 0) {
      out.Entry("  " + std::string(shown));
    }
  }
  out.Group("MODULE FILES REMOVED");
  for (const auto& [path, shown] : old) {
    if (now.count(path) == 0) {
      out.Entry("  " + std::string(shown));
    }
  }
}

void CompareFiles(Output& out, const Report::ParsedReport& before,
                  const Report::ParsedReport& after, const Rule& rule) {
  const Files old = FileFactsOf(before, rule), now = FileFactsOf(after, rule);
  out.Group("FILES CHANGED");
  for (const auto& [path, facts] : now) {
    const auto was = old.find(path);
    if (was == old.end()) {
      continue;
    }
    const FileFacts& then = was->second;
    if (then.version == facts.version && then.size == facts.size && then.date == facts.date) {
      continue;
    }
    out.Entry("  " + std::string(facts.shown));
    out.Entry("    Version: " + then.version + " -> " + facts.version);
    out.Entry("    Size:    " + std::to_string(then.size) + " -> " + std::to_string(facts.size));
    out.Entry("    Date:    " + std::string(then.date) + " -> " + std::string(facts.date));
  }
}

void NoteCut(Output& out, const Report::ParsedReport& report, const std::string& name) {
  if (report.complete) {
    return;
  }
  std::string what = report.processesComplete ? "module files added and removed"
                                              : "processes, their modules and module files";
  out.Note(name + " is cut short after line " + std::to_string(report.linesRead) + ": " + what +
           " are not compared.");
}

}  // namespace

Comparison CompareReports(const Report::ParsedReport& before, const std::string& oldName,
                          const Report::ParsedReport& after, const std::string& newName,
                          const platform::FileNameRule& rule) {
  Comparison comparison;
  Output out(comparison);
  out.Note("Old: " + oldName + " (" + before.caption + ")");
  out.Note("New: " + newName + " (" + after.caption + ")");
  NoteCut(out, before, oldName);
  NoteCut(out, after, newName);
  const bool processes = before.processesComplete && after.processesComplete;
  comparison.whole = before.complete && after.complete;
  if (!comparison.whole) {
    out.Note(processes ? "Compared: processes started and ended, modules loaded and unloaded, "
                         "files changed."
                       : "Compared: files changed.");
  }
  if (processes) {
    CompareProcesses(out, before, after, rule);
  }
  if (before.modulesComplete && after.modulesComplete) {
    CompareDistinctModules(out, before, after, rule);
  }
  CompareFiles(out, before, after, rule);
  if (!comparison.differs) {
    out.Note("");
    out.Note(comparison.whole ? "No differences." : "No differences in what was compared.");
  }
  return comparison;
}

}  // namespace kesreport
