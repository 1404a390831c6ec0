#pragma once

#include <string>

namespace kesclean {

// The shell-link library's file name. Both programs load it when they need
// it, from their own folder or the system's search path.
inline constexpr const char* kShellLinkLibrary = "kestlink.dll";

// The shell-link library's removal call, reached when it is needed.
class LinkRemover {
 public:
  virtual ~LinkRemover() = default;
  // fRemoveShellLink(folder, linkName): the library deletes the shortcut file
  // linkName + ".LNK" in the folder named relative to the Programs menu.
  // Throws kes::Failure when the library or its entry point cannot be
  // reached; what the call itself returns is not looked at.
  virtual void RemoveShellLink(const std::string& folder, const std::string& linkName) = 0;
};

}  // namespace kesclean
