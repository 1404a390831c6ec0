#include "platform/win32/program_starter_win32.h"

#include <windows.h>

#include "platform/failure.h"
#include "platform/win32/scoped_handle.h"

namespace platform {

void Win32ProgramStarter::StartProgram(const std::string& commandLine,
                                       const std::string& currentFolder) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION started{};
  std::string line = commandLine;  // CreateProcessA may write into it
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      currentFolder.empty() ? nullptr : currentFolder.c_str(), &startup,
                      &started)) {
    throw kes::Failure(kes::kErrFileNotFound, "File not found: " + commandLine);
  }
  // Not waited for: the handles go at once.
  const ScopedHandle process(started.hProcess);
  const ScopedHandle thread(started.hThread);
}

}  // namespace platform
