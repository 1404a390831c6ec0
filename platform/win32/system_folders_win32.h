#pragma once

#include "platform/system_folders.h"

namespace platform {

class Win32SystemFolders final : public SystemFolders {
 public:
  std::string ProgramFolder() override;
  std::uint32_t WindowsDirectory(std::span<char> buffer) override;
};

}  // namespace platform
