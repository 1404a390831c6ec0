#pragma once

#include <string>

#include "platform/shell_links.h"

namespace platform {

// Loads the library for each call and releases it afterwards, so that a
// missing library only fails the calls that need it. A library that cannot
// be loaded raises failure 53, a missing entry point failure 453.
class Win32ShellLinks final : public ShellLinks {
 public:
  // `library`: the library's file, best a full path (the viewer passes the
  // one beside itself).
  explicit Win32ShellLinks(std::string library);

  std::int32_t CreateShellLink(const std::string& folder, const std::string& name,
                               const std::string& path, const std::string& arguments) override;
  std::int32_t RemoveShellLink(const std::string& folder, const std::string& name) override;

 private:
  std::string library_;
};

}  // namespace platform
