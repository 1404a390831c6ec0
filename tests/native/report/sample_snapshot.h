#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "report/report_records.h"

namespace kes_test {

// A snapshot built by hand: the records an explorer window would hold.
struct SampleSnapshot {
  std::string caption;
  kes::Collection<clsTask> tasks;
  kes::Collection<clsProcess> processes;
  kes::Collection<clsUniqueModule> uniqueModules;

  Report::SnapshotRecords Records() const { return {caption, tasks, processes, uniqueModules}; }

  void AddTask(const std::string& name) {
    auto task = std::make_unique<clsTask>();
    task->mlID = tasks.Count() + 1;
    task->msName = name;
    tasks.Add(std::move(task));
  }
  clsProcess& AddProcess() {
    auto process = std::make_unique<clsProcess>();
    process->mlID = processes.Count() + 1;
    return processes.Add(std::move(process));
  }
  void AddUnique(std::int32_t procId, std::int32_t modId) {
    auto unique = std::make_unique<clsUniqueModule>();
    unique->mlProcID = procId;
    unique->mlModID = modId;
    unique->msExePath = processes.Item(procId).mcolModules.Item(modId).msExePath;
    uniqueModules.Add(std::move(unique));
  }
};

inline void SetVersion(clsVersionInfo& version, std::uint16_t maj, std::uint16_t min,
                       std::uint16_t revHi, std::uint16_t revLo) {
  version.mnFileVerMaj = maj;
  version.mnFileVerMin = min;
  version.mnFileVerRevHi = revHi;
  version.mnFileVerRevLo = revLo;
}

// One module record; identifiers are written as the platform's unsigned
// values, stored unchanged in the signed members.
struct ModuleSample {
  const char* name;
  const char* path;
  std::int32_t fileSize;
  const char* date;
  std::uint16_t version[4];
  std::int32_t procUsage;
  std::uint32_t moduleId;
  std::uint32_t baseAddr;
  std::uint32_t handle;
  std::int32_t globalUsage;
  std::int32_t baseSize;
};

inline void AddModule(clsProcess& process, const ModuleSample& sample, std::int32_t id) {
  auto module = std::make_unique<clsModule>();
  module->mlID = id;
  module->msName = sample.name;
  module->msExePath = sample.path;
  module->mlFileSize = sample.fileSize;
  module->msFileDateTime = sample.date;
  SetVersion(module->moVersionInfo, sample.version[0], sample.version[1], sample.version[2],
             sample.version[3]);
  module->mProccntUsage = sample.procUsage;
  module->mlth32ModuleID = static_cast<std::int32_t>(sample.moduleId);
  module->mmodBaseAddr = static_cast<std::int32_t>(sample.baseAddr);
  module->mhModule = static_cast<std::int32_t>(sample.handle);
  module->mGlblcntUsage = sample.globalUsage;
  module->mmodBaseSize = sample.baseSize;
  module->mlth32ProcessID = process.mlth32ProcessID;
  process.mcolModules.Add(std::move(module));
}

// Three processes: Explorer with KERNEL32 and USER32, Notepad with KERNEL32
// and COMDLG32, and one whose texts are all empty and that has no modules.
// Process identifiers have the top bit set, as on Windows 95 and 98.
inline void FillThreeProcesses(SampleSnapshot& snapshot) {
  snapshot.caption = "Snapshot Taken At 12/6/99 3:04:05 PM";
  snapshot.AddTask("Program Manager");
  snapshot.AddTask("Untitled - Notepad");

  const ModuleSample kernel = {"KERNEL32.DLL",
                               "C:\\WINDOWS\\SYSTEM\\KERNEL32.DLL",
                               471040,
                               "05/11/1998 08:01:00 PM",
                               {4, 10, 0, 1998},
                               65535,
                               0x1,
                               0xBFF70000,
                               0xBFF70000,
                               21,
                               0x7E000};
  const ModuleSample user = {"USER32.DLL",
                             "C:\\WINDOWS\\SYSTEM\\USER32.DLL",
                             53248,
                             "05/11/1998 08:01:00 PM",
                             {4, 10, 0, 2222},
                             3,
                             0x2B,
                             0xBFF50000,
                             0xBFF50000,
                             9,
                             0x10000};
  ModuleSample kernelOnce = kernel;
  kernelOnce.procUsage = 1;
  const ModuleSample dialogs = {"COMDLG32.DLL",
                                "C:\\WINDOWS\\SYSTEM\\Comdlg32.dll",
                                94208,
                                "12/31/1999 11:59:59 PM",
                                {65535, 0, 40000, 7},
                                2,
                                0x7F,
                                0x7FE10000,
                                0x7FE10000,
                                1,
                                0x17000};

  clsProcess& explorer = snapshot.AddProcess();
  explorer.msExePath = "C:\\WINDOWS\\EXPLORER.EXE";
  explorer.msFileDateTime = "05/11/1998 08:01:00 PM";
  explorer.mlFileSize = 204288;
  SetVersion(explorer.moVersionInfo, 4, 72, 3110, 1);
  explorer.mlth32ProcessID = static_cast<std::int32_t>(0xFFFFFFFEu);
  explorer.mlProcessHandle = 84;
  explorer.mlPriority = 32;
  explorer.mcntUsage = 1;
  explorer.mcntThreads = 5;
  explorer.mlpcPriClassBase = 8;
  explorer.mlth32DefaultHeapID = 0x00520000;
  explorer.mlth32ParentProcessID = static_cast<std::int32_t>(0xFFFE8C4Du);
  explorer.mlth32ModuleID = 0x2A;
  AddModule(explorer, kernel, 1);
  AddModule(explorer, user, 2);

  clsProcess& notepad = snapshot.AddProcess();
  notepad.msExePath = "C:\\WINDOWS\\NOTEPAD.EXE";
  notepad.msFileDateTime = "01/02/2000 12:00:00 AM";
  notepad.mlFileSize = 53248;
  SetVersion(notepad.moVersionInfo, 4, 10, 0, 1998);
  notepad.mlth32ProcessID = static_cast<std::int32_t>(0xFFF6D1A1u);
  notepad.mlProcessHandle = -1;
  notepad.mlPriority = 128;
  notepad.mcntUsage = 2;
  notepad.mcntThreads = 1;
  notepad.mlpcPriClassBase = 13;
  notepad.mlth32DefaultHeapID = 0x00710000;
  notepad.mlth32ParentProcessID = static_cast<std::int32_t>(0xFFFFFFFEu);
  notepad.mlth32ModuleID = 0;
  AddModule(notepad, kernelOnce, 3);
  AddModule(notepad, dialogs, 4);

  snapshot.AddProcess();  // nothing known about it

  snapshot.AddUnique(1, 1);
  snapshot.AddUnique(1, 2);
  snapshot.AddUnique(2, 2);
}

// The three processes later: Notepad ends; a second Explorer starts with a
// new library; the dialog library is upgraded in place; Calc starts.
inline void StartCalcEndNotepadUpgradeDialogs(SampleSnapshot& after) {
  clsProcess& notepad = after.processes.Item(2);
  notepad.msExePath = "C:\\WINDOWS\\EXPLORER.EXE";
  clsModule& dialogs = notepad.mcolModules.Item(2);
  SetVersion(dialogs.moVersionInfo, 65535, 0, 40001, 0);
  dialogs.mlFileSize = 94720;
  dialogs.msFileDateTime = "01/15/2000 09:00:00 AM";
  clsProcess& calc = after.AddProcess();
  calc.msExePath = "C:\\WINDOWS\\CALC.EXE";
}

}  // namespace kes_test
