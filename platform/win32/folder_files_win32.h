#pragma once

#include "platform/folder_files.h"

namespace platform {

class Win32FolderFiles final : public FolderFiles {
 public:
  std::vector<FolderEntry> List(const std::string& pattern) override;
  std::optional<std::uint32_t> Attributes(const std::string& path) override;
  std::string ReadTextFile(const std::string& path) override;
  void SetNormalAttributes(const std::string& path) override;
};

}  // namespace platform
