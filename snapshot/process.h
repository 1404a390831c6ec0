#pragma once

#include <cstdint>
#include <string>

#include "platform/file_facts.h"
#include "platform/tool_help.h"
#include "snapshot/address.h"
#include "snapshot/collection.h"
#include "snapshot/module.h"
#include "snapshot/version_info.h"

// One process and the modules it has loaded, other than its own executable.
class clsProcess {
 public:
  kes::Collection<clsModule> mcolModules;
  std::int32_t mlID = 0;
  std::int32_t mcntUsage = 0;
  std::int32_t mlth32ProcessID = 0;
  kes::Address mlth32DefaultHeapID = 0;
  std::int32_t mlth32ModuleID = 0;
  std::int32_t mcntThreads = 0;
  std::int32_t mlth32ParentProcessID = 0;
  std::int32_t mlpcPriClassBase = 0;
  std::string msExePath;
  kes::Address mlProcessHandle = 0;
  std::int32_t mlPriority = 0;
  clsVersionInfo moVersionInfo;
  std::int32_t mlFileSize = 0;
  std::string msFileDateTime;

  // Creates a module record with its file facts and appends it. A failure
  // while collecting the facts leaves the record unappended. The result
  // carries no information.
  bool AddModule(const std::string& psModule, const std::string& psExePath, std::int32_t plModuleID,
                 std::int32_t plProcessID, std::int32_t plGlobalCountUsage,
                 std::int32_t plProcCountUsage, kes::Address plBaseAddr, std::int32_t plBaseSize,
                 kes::Address plModuleHandle, std::int32_t plID, platform::FileFacts& facts);

  // Stores the path and collects the file's date, length and version.
  void ExePath(const std::string& psFile, platform::FileFacts& facts);

  // A handle that may read the process's priority; 0 when it cannot be
  // opened. The caller closes it.
  kes::Address ProcFromProcID(std::int32_t idProc, platform::ToolHelp& toolHelp) const;
  // The priority class (32, 64, 128, 256); 0 when it cannot be read.
  std::int32_t GetPriority(kes::Address lProcHandle, platform::ToolHelp& toolHelp) const;
};
