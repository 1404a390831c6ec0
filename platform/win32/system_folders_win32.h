#pragma once

#include <string>

#include "platform/system_folders.h"

namespace platform {

class Win32SystemFolders final : public SystemFolders {
 public:
  std::string ProgramFolder() override;
  std::uint32_t WindowsDirectory(std::span<char> buffer) override;
  std::uint32_t SystemDirectory(std::span<char> buffer) override;
};

// The running program's file name without folder and extension.
std::string RunningProgramStem();

}  // namespace platform
