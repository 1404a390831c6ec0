#pragma once

#include "platform/shell_launcher.h"

namespace platform {

class Win32ShellLauncher final : public ShellLauncher {
 public:
  FoundExecutable FindExecutableFor(const std::string& document) override;
  std::intptr_t ShellExecuteFile(WindowHandle owner, const std::string& operation,
                                 const std::string& file, const std::string& parameters,
                                 int showCommand) override;
};

}  // namespace platform
