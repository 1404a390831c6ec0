#include "startup/startup_list.h"

#include <exception>
#include <optional>
#include <unordered_map>

#include "platform/full_path.h"
#include "snapshot/file_facts_record.h"

namespace Startup {

namespace {

// The program an entry names.
CommandProgram ProgramOf(const platform::FileNameRule& rule, platform::FileFacts& facts,
                         const ProgramSearch& search, const Entry& entry) {
  if (!entry.problem.empty()) {
    return {};
  }
  if (entry.place == Place::kStartupGroup) {
    std::string program = ExistingFile(rule, facts, entry.target);
    return {program, program.empty() ? std::string() : entry.arguments};
  }
  return SplitCommand(rule, facts, search, entry.command);
}

// The file's facts as a record keeps them; only the path when they cannot
// be read.
clsModule FactsOf(const std::string& path, platform::FileFacts& facts) {
  clsModule file;
  try {
    CollectFileFacts(file, path, facts);
  } catch (const std::exception&) {
    file = clsModule();
    file.msExePath = path;
  }
  return file;
}

}  // namespace

StartupList MatchEntries(const platform::FileNameRule& rule, platform::FileFacts& facts,
                         const ProgramSearch& search, std::vector<Entry> entries,
                         kes::Collection<clsProcess> processes) {
  StartupList list{std::move(processes), {}, true};
  // Each process's path by its folded canonical form; the first one stays.
  std::unordered_map<std::string, std::int32_t> running;
  for (std::int32_t i = 1; i <= list.processes.Count(); ++i) {
    const std::string& path = list.processes.Item(i).msExePath;
    running.emplace(rule.Folded(platform::CanonicalPath(rule, path).value_or(path)), i);
  }
  std::unordered_map<std::string, clsModule> read;
  for (Entry& entry : entries) {
    StartupRow row;
    row.program = ProgramOf(rule, facts, search, entry);
    row.entry = std::move(entry);
    if (!row.program.program.empty()) {
      const std::string key = rule.Folded(row.program.program);
      if (const auto process = running.find(key); process != running.end()) {
        row.process = process->second;
        const clsProcess& p = list.processes.Item(row.process);
        row.file.msExePath = row.program.program;
        row.file.msFileDateTime = p.msFileDateTime;
        row.file.mlFileSize = p.mlFileSize;
        row.file.moVersionInfo = p.moVersionInfo;
      } else {
        auto known = read.find(key);
        if (known == read.end()) {
          known = read.emplace(key, FactsOf(row.program.program, facts)).first;
        }
        row.file = known->second;
      }
    }
    list.rows.push_back(std::move(row));
  }
  return list;
}

}  // namespace Startup
