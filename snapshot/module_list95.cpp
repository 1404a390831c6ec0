#include "snapshot/module_list95.h"

#include <cstddef>
#include <exception>
#include <memory>

#include "platform/failure.h"
#include "shell/general/failure_handler.h"
#include "snapshot/caching_file_facts.h"

namespace ModuleList95 {

namespace {

// The text of a fixed-size character field: up to the first NUL, looked for
// in all but the field's last character.
template <std::size_t N>
std::string FieldText(const char (&field)[N]) {
  return TrimAtNull(StripLastChar(std::string(field, N)));
}

std::string TrimSpaces(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::int32_t Signed(std::uint32_t value) { return static_cast<std::int32_t>(value); }
kes::Address AsAddress(std::uintptr_t value) { return static_cast<kes::Address>(value); }

// The process handle is needed only to read the priority; the record keeps
// its number for display.
class ProcessHandle {
 public:
  ProcessHandle(platform::ToolHelp& toolHelp, kes::Address handle)
      : toolHelp_(toolHelp), handle_(handle) {}
  ~ProcessHandle() {
    if (handle_ != 0) {
      toolHelp_.CloseHandle(static_cast<std::uintptr_t>(handle_));
    }
  }
  ProcessHandle(const ProcessHandle&) = delete;
  ProcessHandle& operator=(const ProcessHandle&) = delete;

 private:
  platform::ToolHelp& toolHelp_;
  kes::Address handle_;
};

void ReadPriority(clsProcess& process, platform::ToolHelp& toolHelp) {
  process.mlProcessHandle = process.ProcFromProcID(process.mlth32ProcessID, toolHelp);
  const ProcessHandle opened(toolHelp, process.mlProcessHandle);
  process.mlPriority = process.GetPriority(process.mlProcessHandle, toolHelp);
}

// Reads the process's file facts. False when the read failed because the
// process ended after the list named it: its file may have gone with it, or
// the platform gave only a name that can no longer be found. Such a process
// is left out of the snapshot; any other failure travels on.
bool ReadExePath(clsProcess& process, const platform::ProcessEntry& entry,
                 platform::FileFacts& facts, platform::ToolHelp& toolHelp) {
  try {
    process.ExePath(TrimSpaces(FieldText(entry.szExeFile)), facts);
    return true;
  } catch (const kes::Failure&) {
    if (toolHelp.HasEnded(entry.th32ProcessID)) {
      return false;
    }
    throw;
  }
}

void AddModules(clsProcess& process, std::int32_t& moduleCounter, platform::ToolHelp& toolHelp,
                platform::FileFacts& facts) {
  const auto modules = toolHelp.SnapModules(static_cast<std::uint32_t>(process.mlth32ProcessID));
  if (!modules) {
    return;
  }
  platform::ModuleEntry entry;
  for (bool more = modules->First(entry); more; more = modules->Next(entry)) {
    const std::string path = FieldText(entry.szExePath);
    // The process's own executable is not one of its modules.
    if (path == process.msExePath) {
      continue;
    }
    ++moduleCounter;
    process.AddModule(FieldText(entry.szModule), path, Signed(entry.th32ModuleID),
                      Signed(entry.th32ProcessID), Signed(entry.GlblcntUsage),
                      Signed(entry.ProccntUsage), AsAddress(entry.modBaseAddr),
                      Signed(entry.modBaseSize), AsAddress(entry.hModule), moduleCounter, facts);
  }
}

}  // namespace

std::string StripLastChar(const std::string& text) {
  return text.empty() ? text : text.substr(0, text.size() - 1);
}

std::string TrimAtNull(const std::string& text) { return text.substr(0, text.find('\0')); }

bool FillProcessList95(kes::Collection<clsProcess>& pcolProcesses, platform::ToolHelp& toolHelp,
                       platform::FileFacts& facts, platform::Progress& progress,
                       const Subs::ErrorReport& report) {
  return Subs::WithFailureHandler(report, "ModuleList95", "FillProcessList95", false, [&] {
    const auto processes = toolHelp.SnapProcesses();
    if (!processes) {
      return false;
    }
    // A file met by many processes is read once per snapshot.
    CachingFileFacts onceEach(facts);
    std::int32_t processCounter = 0;
    std::int32_t moduleCounter = 0;
    platform::ProcessEntry entry;
    for (bool more = processes->First(entry); more; more = processes->Next(entry)) {
      auto process = std::make_unique<clsProcess>();
      if (!ReadExePath(*process, entry, onceEach, toolHelp)) {
        continue;
      }
      process->mlID = ++processCounter;
      progress.Report(process->msExePath);
      process->mcntThreads = Signed(entry.cntThreads);
      process->mcntUsage = Signed(entry.cntUsage);
      process->mlpcPriClassBase = entry.pcPriClassBase;
      process->mlth32DefaultHeapID = AsAddress(entry.th32DefaultHeapID);
      process->mlth32ModuleID = Signed(entry.th32ModuleID);
      process->mlth32ParentProcessID = Signed(entry.th32ParentProcessID);
      process->mlth32ProcessID = Signed(entry.th32ProcessID);
      ReadPriority(*process, toolHelp);
      AddModules(*process, moduleCounter, toolHelp, onceEach);
      pcolProcesses.Add(std::move(process));
    }
    return true;
  });
}

}  // namespace ModuleList95
