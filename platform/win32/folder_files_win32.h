#pragma once

#include <windows.h>

#include "platform/folder_files.h"

namespace platform {

class Win32FolderFiles final : public FolderFiles {
 public:
  std::vector<FolderEntry> List(const std::string& pattern) override;
  std::optional<std::uint32_t> Attributes(const std::string& path) override;
  std::string ReadTextFile(const std::string& path) override;
  void SetNormalAttributes(const std::string& path) override;
  void RemoveFolder(const std::string& path) override;
};

// Everything left to read from an open file; throws kes::Failure (naming
// `path`) when a read fails before the end.
std::string ReadToEnd(HANDLE file, const std::string& path);

}  // namespace platform
