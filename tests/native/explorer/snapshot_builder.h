#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "snapshot/collection.h"
#include "snapshot/process.h"
#include "snapshot/task.h"
#include "snapshot/unique_module.h"

// Snapshot records made by hand, numbered as a real walk numbers them.
struct SnapshotBuilder {
  kes::Collection<clsTask> tasks;
  kes::Collection<clsProcess> processes;
  kes::Collection<clsUniqueModule> uniqueModules;
  std::int32_t moduleCounter = 0;

  clsTask& Task(const std::string& name) {
    auto task = std::make_unique<clsTask>();
    task->mlID = tasks.Count() + 1;
    task->msName = name;
    return tasks.Add(std::move(task));
  }

  clsProcess& Process(const std::string& path) {
    auto process = std::make_unique<clsProcess>();
    process->mlID = processes.Count() + 1;
    process->msExePath = path;
    return processes.Add(std::move(process));
  }

  static clsModule& Module(clsProcess& process, std::int32_t id, const std::string& name,
                           const std::string& path, std::int32_t globalUsage = 0) {
    auto module = std::make_unique<clsModule>();
    module->mlID = id;
    module->msName = name;
    module->msExePath = path;
    module->mGlblcntUsage = globalUsage;
    module->mlth32ProcessID = process.mlth32ProcessID;
    return process.mcolModules.Add(std::move(module));
  }

  clsModule& Module(clsProcess& process, const std::string& name, const std::string& path,
                    std::int32_t globalUsage = 0) {
    return Module(process, ++moduleCounter, name, path, globalUsage);
  }

  clsUniqueModule& Unique(std::int32_t process, std::int32_t module) {
    auto unique = std::make_unique<clsUniqueModule>();
    unique->mlProcID = process;
    unique->mlModID = module;
    unique->msExePath = processes.Item(process).mcolModules.Item(module).msExePath;
    return uniqueModules.Add(std::move(unique));
  }
};
