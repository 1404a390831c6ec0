#include "bench/explorer_load_win32.h"

#include <windows.h>

#include <chrono>

#include "explorer/win32/explorer_windows.h"
#include "platform/win32/file_name_rule_win32.h"
#include "platform/win32/file_store_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/shell_launcher_win32.h"
#include "platform/win32/system_folders_win32.h"
#include "settings/registry_api.h"
#include "shell/general/error_report.h"
#include "shell/general/web.h"
#include "shell/win32/mdi_main.h"
#include "shell/win32/modal_loop.h"

// The viewer's pieces, put together as its entry point does, with a frame
// that opens no explorer window by itself.
struct ExplorerLoads::Shell {
  explicit Shell(platform::MessageBoxes& boxes) : report(boxes) {}

  Subs::ErrorReport report;
  platform::Win32Registry registry;
  RegistryAPI registryApi{registry, report};
  platform::Win32ShellLauncher launcher;
  platform::Win32FileStore files;
  platform::Win32SystemFolders folders;
  const platform::Win32FileNameRule rule;
  Subs::WebLauncher web{folders.ProgramFolder(), rule, launcher, files, report};
  shellwin::ShellContext context{GetModuleHandleA(nullptr), registryApi, web, rule};
  explorerwin::ExplorerWindows explorers{context};
  shellwin::MDIMain frame{context,
                          shellwin::FrameCommands{[](shellwin::MDIMain&) {}, {}, {}, {}, {}}};
};

ExplorerLoads::ExplorerLoads(platform::MessageBoxes& boxes)
    : shell_(std::make_unique<Shell>(boxes)) {
  shell_->frame.Load();
}

ExplorerLoads::~ExplorerLoads() = default;

double ExplorerLoads::TimeOpenReport(const std::string& path) {
  const auto start = std::chrono::steady_clock::now();
  explorerwin::frmExplorer* window = shell_->explorers.OpenReportFile(shell_->frame, path);
  const double ms =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  if (window != nullptr) {
    SendMessageA(window->Handle(), WM_CLOSE, 0, 0);
    shellwin::DoEvents();
  }
  return ms;
}

double ExplorerLoads::TimeLoad(int& processes, int& modules) {
  const auto start = std::chrono::steady_clock::now();
  explorerwin::frmExplorer& window = shell_->explorers.Open(shell_->frame);
  const double ms =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  processes = window.Processes().Count();
  modules = 0;
  for (std::int32_t i = 1; i <= window.Processes().Count(); ++i) {
    modules += window.Processes().Item(i).mcolModules.Count();
  }
  SendMessageA(window.Handle(), WM_CLOSE, 0, 0);
  shellwin::DoEvents();
  return ms;
}
