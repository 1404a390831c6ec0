#include "startup/win32/startup_now.h"

#include <windows.h>

#include "platform/progress.h"
#include "platform/win32/file_facts_win32.h"
#include "platform/win32/folder_files_win32.h"
#include "platform/win32/system_folders_win32.h"
#include "platform/win32/tool_help_win32.h"
#include "shell/general/windows_dir.h"
#include "snapshot/module_list95.h"
#include "startup/win32/startup_sources_win32.h"

namespace startupwin {

namespace {

class NoProgress final : public platform::Progress {
 public:
  void Report(const std::string&) override {}
};

// The processes and their modules now; false when the walk stopped early.
bool TakeProcesses(kes::Collection<clsProcess>& processes, platform::FileFacts& facts,
                   const Subs::ErrorReport& report) {
  platform::Win32ToolHelp toolHelp;
  NoProgress progress;
  return ModuleList95::FillProcessList95(processes, toolHelp, facts, progress, report);
}

std::string EnvironmentPath() {
  const DWORD size = GetEnvironmentVariableA("PATH", nullptr, 0);
  if (size == 0) {
    return {};
  }
  std::string path(size, '\0');
  const DWORD length = GetEnvironmentVariableA("PATH", path.data(), size);
  path.resize(length < size ? length : 0);
  return path;
}

}  // namespace

Startup::StartupList ReadStartupNow(FileFactsMemory& memory, const platform::FileNameRule& rule,
                                    const Subs::ErrorReport& report) {
  platform::Win32SystemFolders folders;
  const Startup::ProgramSearch search{Subs::WindowsDirWithBackslash(folders, rule),
                                      Subs::SystemDirWithBackslash(folders, rule),
                                      Startup::PathFolders(rule, EnvironmentPath())};
  Win32RegistryValues registry;
  platform::Win32FolderFiles files;
  Win32ShortcutReader shortcuts;
  Startup::StartupSources sources{registry, files, shortcuts, search.windowsFolder,
                                  StartupFolderPath(rule, search.windowsFolder)};
  std::vector<Startup::Entry> entries = Startup::ReadEntries(rule, sources);

  platform::Win32FileFacts disk;
  FileFactsMemory::Snapshot facts(memory, disk);
  kes::Collection<clsProcess> processes;
  const bool walked = TakeProcesses(processes, facts, report);
  Startup::StartupList list =
      Startup::MatchEntries(rule, facts, search, std::move(entries), std::move(processes));
  list.walked = walked;
  return list;
}

}  // namespace startupwin
