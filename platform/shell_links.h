#pragma once

#include <cstdint>
#include <string>

namespace platform {

// The shell-link library that the setup kit installs beside the viewer.
inline constexpr const char* kShellLinkLibrary = "keslink.dll";

// The shell-link library's two functions, call for call. Folders are named
// relative to the Programs menu folder ("Start Menu\Programs" in the Windows
// directory); the file is the link name followed by ".LNK". Each returns the
// function's own 32-bit result, and throws kes::Failure when the call cannot
// be made: the library or its entry point cannot be reached.
class ShellLinks {
 public:
  virtual ~ShellLinks() = default;
  // fCreateShellLink(folder, name, path, arguments).
  virtual std::int32_t CreateShellLink(const std::string& folder, const std::string& name,
                                       const std::string& path, const std::string& arguments) = 0;
  // fRemoveShellLink(folder, name).
  virtual std::int32_t RemoveShellLink(const std::string& folder, const std::string& name) = 0;
};

}  // namespace platform
