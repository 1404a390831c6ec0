#pragma once

#include "platform/file_store.h"

namespace platform {

class Win32FileStore final : public FileStore {
 public:
  void WriteTextFile(const std::string& path, const std::string& text) override;
  void RemoveFile(const std::string& path) override;
};

}  // namespace platform
