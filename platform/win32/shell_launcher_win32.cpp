#include "platform/win32/shell_launcher_win32.h"

#include <windows.h>
// shellapi.h needs the types of windows.h.
#include <shellapi.h>

namespace platform {

FoundExecutable Win32ShellLauncher::FindExecutableFor(const std::string& document) {
  // The call may store a full MAX_PATH path; the last place stays a NUL so
  // the text ends, and a call that stores nothing gives the empty path.
  char buffer[MAX_PATH + 1] = {};
  const HINSTANCE result = FindExecutableA(document.c_str(), nullptr, buffer);
  return {reinterpret_cast<std::intptr_t>(result), buffer};
}

std::intptr_t Win32ShellLauncher::ShellExecuteFile(WindowHandle owner, const std::string& operation,
                                                   const std::string& file,
                                                   const std::string& parameters, int showCommand) {
  const HINSTANCE result = ShellExecuteA(reinterpret_cast<HWND>(owner), operation.c_str(),
                                         file.c_str(), parameters.c_str(), nullptr, showCommand);
  return reinterpret_cast<std::intptr_t>(result);
}

}  // namespace platform
