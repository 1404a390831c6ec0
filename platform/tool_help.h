#pragma once

#include <cstdint>
#include <memory>

namespace platform {

// A process as the tool-help list of Windows 95 and 98 gives it: szExeFile
// holds the executable's full path. Members that the platform makes as wide
// as an address are as wide here.
struct ProcessEntry {
  std::uint32_t cntUsage = 0;
  std::uint32_t th32ProcessID = 0;
  std::uintptr_t th32DefaultHeapID = 0;
  std::uint32_t th32ModuleID = 0;
  std::uint32_t cntThreads = 0;
  std::uint32_t th32ParentProcessID = 0;
  std::int32_t pcPriClassBase = 0;
  char szExeFile[260] = {};
};

// One module of one process.
struct ModuleEntry {
  std::uint32_t th32ModuleID = 0;
  std::uint32_t th32ProcessID = 0;
  std::uint32_t GlblcntUsage = 0;
  std::uint32_t ProccntUsage = 0;
  std::uintptr_t modBaseAddr = 0;
  std::uint32_t modBaseSize = 0;
  std::uintptr_t hModule = 0;
  char szModule[256] = {};
  char szExePath[260] = {};
};

// An open tool-help list; releasing it closes the snapshot behind it.
template <class Entry>
class EntryList {
 public:
  virtual ~EntryList() = default;
  virtual bool First(Entry& entry) = 0;
  virtual bool Next(Entry& entry) = 0;
};
using ProcessList = EntryList<ProcessEntry>;
using ModuleList = EntryList<ModuleEntry>;

// Access rights that ask for a process's priority.
inline constexpr std::uint32_t kProcessQueryInformation = 0x400;
inline constexpr std::uint32_t kProcessVmRead = 0x10;

// The tool-help walk and the process calls that read a priority. Handles are
// the platform's numbers; 0 is no handle.
class ToolHelp {
 public:
  virtual ~ToolHelp() = default;
  // Null when the platform cannot make the snapshot.
  virtual std::unique_ptr<ProcessList> SnapProcesses() = 0;
  virtual std::unique_ptr<ModuleList> SnapModules(std::uint32_t processId) = 0;

  virtual std::uintptr_t OpenProcess(std::uint32_t access, bool inherit,
                                     std::uint32_t processId) = 0;
  // 0 when the class cannot be read.
  virtual std::uint32_t GetPriorityClass(std::uintptr_t process) = 0;
  virtual void CloseHandle(std::uintptr_t handle) = 0;
  // Whether the process is known to have ended since the list was taken; a
  // process that merely cannot be asked counts as running.
  virtual bool HasEnded(std::uint32_t processId) = 0;
};

}  // namespace platform
