#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text_sink.h"
#include "report/report_records.h"

namespace bench {

constexpr std::int32_t kModulesPerProcess = 60;
constexpr std::int32_t kSharedLibraries = 400;

// Synthetic snapshots for the report benchmarks.
// Process i loads 60 libraries starting at i; every library is a distinct
// module from the first process that loads it.
struct Synthetic {
  std::string caption = "Snapshot Taken At 12/6/99 3:04:05 PM";
  kes::Collection<clsTask> tasks;
  kes::Collection<clsProcess> processes;
  kes::Collection<clsUniqueModule> uniqueModules;

  // `changed` makes every tenth process another program and the module
  // files of libraries divisible by 7 a newer version.
  explicit Synthetic(std::int32_t count, bool changed = false) {
    std::vector<bool> seen(kSharedLibraries, false);
    std::int32_t moduleId = 0;
    for (std::int32_t i = 1; i <= count; ++i) {
      auto process = std::make_unique<clsProcess>();
      process->mlID = i;
      const bool other = changed && i % 10 == 0;
      process->msExePath =
          "C:\\APPS\\" + std::string(other ? "NEW" : "APP") + std::to_string(i) + ".EXE";
      process->msFileDateTime = "05/11/1998 08:01:00 PM";
      process->mlth32ProcessID = -i * 4096;
      process->mlPriority = 32;
      for (std::int32_t j = 1; j <= kModulesPerProcess; ++j) {
        const std::int32_t library = (i + j - 1) % kSharedLibraries;
        auto module = std::make_unique<clsModule>();
        module->mlID = ++moduleId;
        module->msName = "LIB" + std::to_string(library) + ".DLL";
        module->msExePath = "C:\\WINDOWS\\SYSTEM\\" + module->msName;
        module->msFileDateTime = process->msFileDateTime;
        module->mmodBaseAddr = library * 65536 - 0x40000000;
        module->mhModule = module->mmodBaseAddr;
        module->moVersionInfo.mnFileVerMaj = changed && library % 7 == 0 ? 5 : 4;
        process->mcolModules.Add(std::move(module));
        if (!seen[library]) {
          seen[library] = true;
          auto unique = std::make_unique<clsUniqueModule>();
          unique->mlProcID = i;
          unique->mlModID = j;
          unique->msExePath = process->mcolModules.Item(j).msExePath;
          uniqueModules.Add(std::move(unique));
        }
      }
      processes.Add(std::move(process));
    }
  }

  Report::SnapshotRecords Records() const { return {caption, tasks, processes, uniqueModules}; }
};

}  // namespace bench
