#include "bench/bare_walk.h"

#include <cstring>
#include <string>
#include <unordered_set>
#include <vector>

namespace {

void TouchFile(const char* path, platform::FileFacts& facts) {
  const std::string file = path;
  facts.FindNormalFile(file);
  facts.LastWriteLocalTime(file);
  facts.Length(file);
  std::uint32_t handle = 0;
  const std::uint32_t size = facts.VersionInfoSize(file, handle);
  std::vector<unsigned char> resource(size + 2);
  if (!facts.VersionInfo(file, handle, size, resource.data())) {
    return;
  }
  const void* fixedInfo = nullptr;
  std::uint32_t length = 0;
  facts.QueryVersionValue(resource.data(), "\\", fixedInfo, length);
}

}  // namespace

BareCounts BareWalk(platform::ToolHelp& toolHelp, platform::FileFacts& facts, FileVisits visits) {
  BareCounts counts;
  std::unordered_set<std::string> read;
  const auto visit = [&](const char* path) {
    if (visits == FileVisits::kEveryEntry ||
        (visits == FileVisits::kOncePerFile && read.insert(path).second)) {
      TouchFile(path, facts);
    }
  };
  const auto processes = toolHelp.SnapProcesses();
  if (!processes) {
    return counts;
  }
  platform::ProcessEntry process;
  for (bool more = processes->First(process); more; more = processes->Next(process)) {
    ++counts.processes;
    visit(process.szExeFile);
    const std::uintptr_t handle =
        toolHelp.OpenProcess(platform::kProcessQueryInformation | platform::kProcessVmRead, false,
                             process.th32ProcessID);
    if (handle != 0) {
      toolHelp.GetPriorityClass(handle);
      toolHelp.CloseHandle(handle);
    }
    const auto modules = toolHelp.SnapModules(process.th32ProcessID);
    if (!modules) {
      continue;
    }
    platform::ModuleEntry module;
    for (bool next = modules->First(module); next; next = modules->Next(module)) {
      if (std::strcmp(module.szExePath, process.szExeFile) == 0) {
        continue;
      }
      ++counts.modules;
      visit(module.szExePath);
    }
  }
  return counts;
}
