#pragma once

#include "platform/tool_help.h"

namespace platform {

// The tool-help walk of kernel32, given as Windows 95 and 98 give it: a
// process entry names its executable by full path, and no 16-bit modules are
// listed. On systems that put only a file name in the process entry the path
// is found again from the process itself or from the search path.
class Win32ToolHelp final : public ToolHelp {
 public:
  std::unique_ptr<ProcessList> SnapProcesses() override;
  std::unique_ptr<ModuleList> SnapModules(std::uint32_t processId) override;
  std::uintptr_t OpenProcess(std::uint32_t access, bool inherit, std::uint32_t processId) override;
  std::uint32_t GetPriorityClass(std::uintptr_t process) override;
  void CloseHandle(std::uintptr_t handle) override;
  bool HasEnded(std::uint32_t processId) override;
};

}  // namespace platform
