// Put in place of ST5UNST.EXE by the whole-cycle test: writes its command
// line and what the install folder holds at that moment into
// "st5unst_probe.txt" beside itself, runs the real program
// ("st5unst_real.exe" beside itself) with the same arguments, waits for it
// and ends the record with "done".
#include <windows.h>

#include <string>

#include "platform/win32/file_name_rule_win32.h"
#include "platform/win32/scoped_handle.h"
#include "setupkit/st5unst/st5unst_log.h"

namespace {

std::string OwnFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const std::string commandLine = GetCommandLineA();
  const std::string arguments = st5unst::ArgumentsOf(commandLine);
  std::string record = commandLine + "\r\n";
  if (const auto log = st5unst::LogPathFromArguments(arguments)) {
    WIN32_FIND_DATAA found{};
    const HANDLE search = FindFirstFileA(
        (st5unst::FolderOf(platform::Win32FileNameRule(), *log) + "\\*.*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        record += std::string(found.cFileName) + "\r\n";
      } while (FindNextFileA(search, &found));
      FindClose(search);
    }
  }

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  std::string line = "\"" + OwnFolder() + "st5unst_real.exe\" " + arguments;
  DWORD code = 0xFFFFFFFF;
  if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                     &started)) {
    const platform::ScopedHandle process(started.hProcess), thread(started.hThread);
    WaitForSingleObject(process.Get(), 60000);
    GetExitCodeProcess(process.Get(), &code);
  }
  record += "done " + std::to_string(code) + "\r\n";

  const platform::ScopedHandle file(CreateFileA((OwnFolder() + "st5unst_probe.txt").c_str(),
                                                GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                                FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  WriteFile(file.Get(), record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
  return 0;
}
