#pragma once

#include <cstdint>
#include <string>

#include "platform/message_box.h"

namespace platform {

// Result codes above this value mean success for the shell's launch calls.
inline constexpr std::intptr_t kShellSuccessAbove = 32;
inline constexpr int kSwShowNormal = 1;

struct FoundExecutable {
  std::intptr_t code = 0;  // the call's result; kShellSuccessAbove or less is a failure
  std::string path;        // the program's path, as stored up to its terminating NUL
};

// The shell's program look-up and launch (FindExecutableA and ShellExecuteA).
class ShellLauncher {
 public:
  virtual ~ShellLauncher() = default;
  // The program registered to open the given document, found without a directory.
  virtual FoundExecutable FindExecutableFor(const std::string& document) = 0;
  // Runs the operation on the file with the parameters passed as given, in no
  // particular directory; returns the call's result code.
  virtual std::intptr_t ShellExecuteFile(WindowHandle owner, const std::string& operation,
                                         const std::string& file, const std::string& parameters,
                                         int showCommand) = 0;
};

}  // namespace platform
