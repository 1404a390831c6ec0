#pragma once

#include <string>

namespace platform {

// Starts another program and does not wait for it.
class ProgramStarter {
 public:
  virtual ~ProgramStarter() = default;
  // Runs the command line in a normal window with the focus, in
  // `currentFolder` as its current folder. Throws kes::Failure when the
  // program cannot be started.
  virtual void StartProgram(const std::string& commandLine, const std::string& currentFolder) = 0;
};

}  // namespace platform
