#pragma once

#include "platform/program_starter.h"

namespace platform {

class Win32ProgramStarter final : public ProgramStarter {
 public:
  void StartProgram(const std::string& commandLine, const std::string& currentFolder) override;
};

}  // namespace platform
