#pragma once

#include "platform/file_transfer.h"

namespace platform {

class Win32FileTransfer final : public FileTransfer {
 public:
  void Copy(const std::string& from, const std::string& to) override;
  void Rename(const std::string& from, const std::string& to) override;
  void MakeFolder(const std::string& path) override;
  void CheckReplaceable(const std::string& path) override;
  std::optional<std::uint64_t> FileVersion(const std::string& path) override;
};

}  // namespace platform
