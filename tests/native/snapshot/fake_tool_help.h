#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/tool_help.h"

// A process list held in memory, with the handles it gives out counted.
class FakeToolHelp : public platform::ToolHelp {
 public:
  struct Process {
    platform::ProcessEntry entry;
    std::vector<platform::ModuleEntry> modules;
    bool hasModuleList = true;
    bool canOpen = true;
    bool ended = false;
    std::uint32_t priority = 32;
  };

  std::vector<Process> processes;
  bool hasProcessList = true;
  // Handles not yet closed, with the priority each reads.
  std::map<std::uintptr_t, std::uint32_t> openHandles;
  int handlesOpened = 0;

  Process& AddProcess(const std::string& exeFile, std::uint32_t id) {
    Process& process = processes.emplace_back();
    Copy(process.entry.szExeFile, exeFile);
    process.entry.th32ProcessID = id;
    return process;
  }
  static platform::ModuleEntry& AddModule(Process& process, const std::string& name,
                                          const std::string& path) {
    platform::ModuleEntry& module = process.modules.emplace_back();
    Copy(module.szModule, name);
    Copy(module.szExePath, path);
    module.th32ProcessID = process.entry.th32ProcessID;
    return module;
  }

  std::unique_ptr<platform::ProcessList> SnapProcesses() override {
    if (!hasProcessList) return nullptr;
    std::vector<platform::ProcessEntry> entries;
    for (const Process& process : processes) entries.push_back(process.entry);
    return std::make_unique<List<platform::ProcessEntry>>(entries);
  }
  std::unique_ptr<platform::ModuleList> SnapModules(std::uint32_t processId) override {
    for (const Process& process : processes) {
      if (process.entry.th32ProcessID != processId) continue;
      if (!process.hasModuleList) return nullptr;
      return std::make_unique<List<platform::ModuleEntry>>(process.modules);
    }
    return nullptr;
  }
  std::uintptr_t OpenProcess(std::uint32_t, bool, std::uint32_t processId) override {
    for (const Process& process : processes) {
      if (process.entry.th32ProcessID != processId || !process.canOpen) continue;
      const std::uint32_t handle = 0x100 + 4 * static_cast<std::uint32_t>(++handlesOpened);
      openHandles[handle] = process.priority;
      return handle;
    }
    return 0;
  }
  std::uint32_t GetPriorityClass(std::uintptr_t handle) override {
    const auto it = openHandles.find(handle);
    return it == openHandles.end() ? 0 : it->second;
  }
  void CloseHandle(std::uintptr_t handle) override { openHandles.erase(handle); }
  bool HasEnded(std::uint32_t processId) override {
    return std::any_of(processes.begin(), processes.end(), [processId](const Process& process) {
      return process.entry.th32ProcessID == processId && process.ended;
    });
  }

  template <std::size_t N>
  static void Copy(char (&field)[N], const std::string& text) {
    std::memset(field, 0, N);
    std::memcpy(field, text.data(), std::min(text.size(), N));
  }

 private:
  template <class Entry>
  class List : public platform::EntryList<Entry> {
   public:
    explicit List(std::vector<Entry> entries) : entries_(std::move(entries)) {}
    bool First(Entry& entry) override {
      next_ = 0;
      return Next(entry);
    }
    bool Next(Entry& entry) override {
      if (next_ >= entries_.size()) return false;
      entry = entries_[next_++];
      return true;
    }

   private:
    std::vector<Entry> entries_;
    std::size_t next_ = 0;
  };
};
