#pragma once

#include "platform/file_facts.h"

namespace platform {

// File facts and version resources from the file system and Version.dll.
class Win32FileFacts final : public FileFacts {
 public:
  bool FindNormalFile(const std::string& path) override;
  FileDateTime LastWriteLocalTime(const std::string& path) override;
  std::int32_t Length(const std::string& path) override;
  DateTimeSeparators Separators() override;
  std::optional<FileEntry> Entry(const std::string& path) override;
  std::uint32_t VersionInfoSize(const std::string& path, std::uint32_t& handle) override;
  bool VersionInfo(const std::string& path, std::uint32_t handle, std::uint32_t size,
                   void* data) override;
  bool QueryVersionValue(const void* block, const std::string& subBlock, const void*& buffer,
                         std::uint32_t& length) override;
};

}  // namespace platform
