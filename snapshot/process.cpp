#include "snapshot/process.h"

#include <memory>

#include "snapshot/file_facts_record.h"

bool clsProcess::AddModule(const std::string& psModule, const std::string& psExePath,
                           std::int32_t plModuleID, std::int32_t plProcessID,
                           std::int32_t plGlobalCountUsage, std::int32_t plProcCountUsage,
                           kes::Address plBaseAddr, std::int32_t plBaseSize,
                           kes::Address plModuleHandle, std::int32_t plID,
                           platform::FileFacts& facts) {
  auto module = std::make_unique<clsModule>();
  module->mlID = plID;
  module->msName = psModule;
  module->ExePath(psExePath, facts);
  module->mGlblcntUsage = plGlobalCountUsage;
  module->mhModule = plModuleHandle;
  module->mlth32ModuleID = plModuleID;
  module->mlth32ProcessID = plProcessID;
  module->mmodBaseAddr = plBaseAddr;
  module->mmodBaseSize = plBaseSize;
  module->mProccntUsage = plProcCountUsage;
  mcolModules.Add(std::move(module));
  return false;
}

void clsProcess::ExePath(const std::string& psFile, platform::FileFacts& facts) {
  CollectFileFacts(*this, psFile, facts);
}

kes::Address clsProcess::ProcFromProcID(std::int32_t idProc, platform::ToolHelp& toolHelp) const {
  return static_cast<kes::Address>(
      toolHelp.OpenProcess(platform::kProcessQueryInformation | platform::kProcessVmRead, false,
                           static_cast<std::uint32_t>(idProc)));
}

std::int32_t clsProcess::GetPriority(kes::Address lProcHandle, platform::ToolHelp& toolHelp) const {
  if (lProcHandle == 0) {
    return 0;
  }
  return static_cast<std::int32_t>(
      toolHelp.GetPriorityClass(static_cast<std::uintptr_t>(lProcHandle)));
}
