#include "platform/win32/tool_help_win32.h"

#include <windows.h>
// After windows.h, whose types it uses.
#include <tlhelp32.h>

#include <cstring>
#include <string>

#include "platform/win32/exe_path_win32.h"
#include "platform/win32/file_name_rule_win32.h"
#include "platform/win32/scoped_handle.h"

namespace platform {

namespace {

// The ANSI records as Windows 95 and 98 define them; the 64-bit platform
// widens their address members.
static_assert(sizeof(PROCESSENTRY32) == (sizeof(void*) == 4 ? 296 : 304));
static_assert(sizeof(MODULEENTRY32) == (sizeof(void*) == 4 ? 548 : 568));

template <std::size_t N>
void CopyText(char (&to)[N], const char* from) {
  const std::size_t length = strnlen(from, N - 1);
  std::memcpy(to, from, length);
  std::memset(to + length, 0, N - length);
}

HANDLE AsHandle(std::uintptr_t value) { return reinterpret_cast<HANDLE>(value); }

// The entry's executable by full path where one can be found; otherwise the
// name as the entry gives it, which may be empty.
std::string FullPath(const FileNameRule& rule, const PROCESSENTRY32& raw) {
  std::string name = raw.szExeFile;
  if (rule.LastOf(name, "\\/") != std::string::npos) {
    return name;
  }
  const std::string found = FindExePath(raw.th32ProcessID, name);
  return found.empty() ? name : found;
}

class Win32ProcessList final : public ProcessList {
 public:
  explicit Win32ProcessList(ScopedHandle snapshot) : snapshot_(std::move(snapshot)) {}

  bool First(ProcessEntry& entry) override { return Take(Process32First, entry); }
  bool Next(ProcessEntry& entry) override { return Take(Process32Next, entry); }

 private:
  template <class Step>
  bool Take(Step step, ProcessEntry& entry) {
    PROCESSENTRY32 raw{};
    raw.dwSize = sizeof raw;
    if (!step(snapshot_.Get(), &raw)) {
      return false;
    }
    std::string path;
    // A process the system is still starting may have no name yet. Windows
    // 98 lists a process only once it has one, so such an entry is passed
    // over unless the process itself can tell its path.
    while ((path = FullPath(rule_, raw)).empty()) {
      if (!Process32Next(snapshot_.Get(), &raw)) {
        return false;
      }
    }
    entry.cntUsage = raw.cntUsage;
    entry.th32ProcessID = raw.th32ProcessID;
    entry.th32DefaultHeapID = raw.th32DefaultHeapID;
    entry.th32ModuleID = raw.th32ModuleID;
    entry.cntThreads = raw.cntThreads;
    entry.th32ParentProcessID = raw.th32ParentProcessID;
    entry.pcPriClassBase = raw.pcPriClassBase;
    CopyText(entry.szExeFile, path.c_str());
    return true;
  }

  ScopedHandle snapshot_;
  const Win32FileNameRule rule_;
};

class Win32ModuleList final : public ModuleList {
 public:
  explicit Win32ModuleList(ScopedHandle snapshot) : snapshot_(std::move(snapshot)) {}

  bool First(ModuleEntry& entry) override { return Take(Module32First, entry); }
  bool Next(ModuleEntry& entry) override { return Take(Module32Next, entry); }

 private:
  template <class Step>
  bool Take(Step step, ModuleEntry& entry) {
    MODULEENTRY32 raw{};
    // The record's real size, so the platform writes no further than it.
    raw.dwSize = sizeof raw;
    if (!step(snapshot_.Get(), &raw)) {
      return false;
    }
    while (IsSixteenBitModule(raw.szModule) || IsSixteenBitModule(raw.szExePath)) {
      if (!Module32Next(snapshot_.Get(), &raw)) {
        return false;
      }
    }
    entry.th32ModuleID = raw.th32ModuleID;
    entry.th32ProcessID = raw.th32ProcessID;
    entry.GlblcntUsage = raw.GlblcntUsage;
    entry.ProccntUsage = raw.ProccntUsage;
    entry.modBaseAddr = reinterpret_cast<std::uintptr_t>(raw.modBaseAddr);
    entry.modBaseSize = raw.modBaseSize;
    entry.hModule = reinterpret_cast<std::uintptr_t>(raw.hModule);
    CopyText(entry.szModule, raw.szModule);
    CopyText(entry.szExePath, raw.szExePath);
    return true;
  }

  ScopedHandle snapshot_;
};

}  // namespace

std::unique_ptr<ProcessList> Win32ToolHelp::SnapProcesses() {
  ScopedHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot.Valid()) {
    return nullptr;
  }
  return std::make_unique<Win32ProcessList>(std::move(snapshot));
}

std::unique_ptr<ModuleList> Win32ToolHelp::SnapModules(std::uint32_t processId) {
  ScopedHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId));
  if (!snapshot.Valid()) {
    return nullptr;
  }
  return std::make_unique<Win32ModuleList>(std::move(snapshot));
}

std::uintptr_t Win32ToolHelp::OpenProcess(std::uint32_t access, bool inherit,
                                          std::uint32_t processId) {
  return reinterpret_cast<std::uintptr_t>(::OpenProcess(access, inherit ? TRUE : FALSE, processId));
}

std::uint32_t Win32ToolHelp::GetPriorityClass(std::uintptr_t process) {
  return ::GetPriorityClass(AsHandle(process));
}

void Win32ToolHelp::CloseHandle(std::uintptr_t handle) {
  if (handle != 0) {
    ::CloseHandle(AsHandle(handle));
  }
}

bool Win32ToolHelp::HasEnded(std::uint32_t processId) {
  const ScopedHandle process(::OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, processId));
  if (!process.Valid()) {
    // No process has that identifier any more; one that refuses to be asked
    // is still there.
    return GetLastError() == ERROR_INVALID_PARAMETER;
  }
  DWORD code = 0;
  return GetExitCodeProcess(process.Get(), &code) != 0 && code != STILL_ACTIVE;
}

}  // namespace platform
