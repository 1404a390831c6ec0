#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace platform {

// Where the running program and the system live.
class SystemFolders {
 public:
  virtual ~SystemFolders() = default;
  // The folder of the running program file, without a trailing backslash
  // unless it is a drive root ("C:\").
  virtual std::string ProgramFolder() = 0;
  // GetWindowsDirectoryA into the buffer with the buffer's size: returns the
  // length stored, the size needed when the buffer is too small, or 0.
  virtual std::uint32_t WindowsDirectory(std::span<char> buffer) = 0;
  // GetSystemDirectoryA, in the same way.
  virtual std::uint32_t SystemDirectory(std::span<char> buffer) = 0;
};

}  // namespace platform
