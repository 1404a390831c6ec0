#pragma once

#include "platform/file_name_rule.h"
#include "platform/folder_identity.h"

namespace platform {

class Win32FolderIdentity final : public FolderIdentity {
 public:
  explicit Win32FolderIdentity(const FileNameRule& rule) : rule_(rule) {}
  std::optional<bool> SameFolder(const std::string& folder, const std::string& other) override;

 private:
  const FileNameRule& rule_;
};

}  // namespace platform
