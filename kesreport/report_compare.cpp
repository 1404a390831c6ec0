#include "kesreport/report_compare.h"

#include <algorithm>
#include <map>
#include <set>
#include <string_view>

#include "snapshot/display_rules.h"

namespace kesreport {

namespace {

using Counts = std::map<std::string_view, std::int32_t>;
using PathSet = std::set<std::string_view>;

// The facts of one file as a report shows them.
struct FileFacts {
  std::string version;
  std::int32_t size;
  std::string_view date;
};
using Files = std::map<std::string_view, FileFacts>;

Counts ProcessCounts(const Report::ParsedReport& report) {
  Counts counts;
  for (std::int32_t i = 1; i <= report.processes.Count(); ++i) {
    ++counts[report.processes.Item(i).msExePath];
  }
  return counts;
}

// Every module path each process path has loaded, over all its runs.
std::map<std::string_view, PathSet> ModulesByProcess(const Report::ParsedReport& report) {
  std::map<std::string_view, PathSet> modules;
  for (std::int32_t i = 1; i <= report.processes.Count(); ++i) {
    const clsProcess& process = report.processes.Item(i);
    PathSet& set = modules[process.msExePath];
    for (std::int32_t j = 1; j <= process.mcolModules.Count(); ++j) {
      set.insert(process.mcolModules.Item(j).msExePath);
    }
  }
  return modules;
}

PathSet DistinctPaths(const Report::ParsedReport& report) {
  PathSet paths;
  for (std::int32_t k = 1; k <= report.uniqueModules.Count(); ++k) {
    paths.insert(report.uniqueModules.Item(k).msExePath);
  }
  return paths;
}

// The programs and modules read, each path with its first facts.
Files FileFactsOf(const Report::ParsedReport& report) {
  Files files;
  const auto add = [&files](const auto& record) {
    if (!record.msExePath.empty()) {
      files.emplace(record.msExePath, FileFacts{Display::VersionText(record.moVersionInfo),
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
                      const Report::ParsedReport& after) {
  const Counts old = ProcessCounts(before), now = ProcessCounts(after);
  const auto countIn = [](const Counts& counts, std::string_view path) {
    const auto found = counts.find(path);
    return found == counts.end() ? 0 : found->second;
  };
  out.Group("PROCESSES STARTED");
  for (const auto& [path, count] : now) {
    if (count > countIn(old, path)) {
      out.Entry(CountText(path, countIn(old, path), count));
    }
  }
  out.Group("PROCESSES ENDED");
  for (const auto& [path, count] : old) {
    if (count > countIn(now, path)) {
      out.Entry(CountText(path, count, countIn(now, path)));
    }
  }

  const auto oldModules = ModulesByProcess(before), newModules = ModulesByProcess(after);
  // Modules that `from` lists for a process path and `to` does not, under
  // the paths both reports run.
  const auto listMissing = [&out](const auto& from, const auto& to) {
    for (const auto& [process, modules] : from) {
      const auto other = to.find(process);
      if (other == to.end()) {
        continue;
      }
      std::vector<std::string_view> missing;
      std::set_difference(modules.begin(), modules.end(), other->second.begin(),
                          other->second.end(), std::back_inserter(missing));
      if (!missing.empty()) {
        out.Entry("  " + std::string(process));
        for (std::string_view module : missing) {
          out.Entry("    " + std::string(module));
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
                            const Report::ParsedReport& after) {
  const PathSet old = DistinctPaths(before), now = DistinctPaths(after);
  out.Group("MODULE FILES ADDED");
  for (std::string_view path : now) {
    if (old.count(path) == 0) {
      out.Entry("  " + std::string(path));
    }
  }
  out.Group("MODULE FILES REMOVED");
  for (std::string_view path : old) {
    if (now.count(path) == 0) {
      out.Entry("  " + std::string(path));
    }
  }
}

void CompareFiles(Output& out, const Report::ParsedReport& before,
                  const Report::ParsedReport& after) {
  const Files old = FileFactsOf(before), now = FileFactsOf(after);
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
    out.Entry("  " + std::string(path));
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
                          const Report::ParsedReport& after, const std::string& newName) {
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
    CompareProcesses(out, before, after);
  }
  if (before.modulesComplete && after.modulesComplete) {
    CompareDistinctModules(out, before, after);
  }
  CompareFiles(out, before, after);
  if (!comparison.differs) {
    out.Note("");
    out.Note(comparison.whole ? "No differences." : "No differences in what was compared.");
  }
  return comparison;
}

}  // namespace kesreport
