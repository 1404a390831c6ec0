#pragma once

#include <string>

#include "uninstall/link_remover.h"

namespace kesclean {

// Loads the shell-link library for each call and lets it go afterwards, so
// a missing library only fails the calls that need it.
class Win32LinkRemover final : public LinkRemover {
 public:
  explicit Win32LinkRemover(std::string library = kShellLinkLibrary);
  void RemoveShellLink(const std::string& folder, const std::string& linkName) override;

 private:
  std::string library_;
};

}  // namespace kesclean
