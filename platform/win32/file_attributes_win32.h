#pragma once

#include "platform/file_attributes.h"

namespace platform {

// A file's attributes from GetFileAttributesA.
class Win32FileAttributes final : public FileAttributeReader {
 public:
  std::optional<std::uint32_t> Attributes(const std::string& path) override;
};

// The attributes of a file or a folder from GetFileAttributesA: where a
// folder's own presence counts.
class Win32PathAttributes final : public FileAttributeReader {
 public:
  std::optional<std::uint32_t> Attributes(const std::string& path) override;
};

}  // namespace platform
