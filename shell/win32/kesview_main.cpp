// The viewer's entry point: puts the platform's pieces together and hands
// over to Main.
#include <windows.h>

#include "platform/win32/common_controls.h"
#include "platform/win32/file_name_rule_win32.h"
#include "platform/win32/file_store_win32.h"
#include "platform/win32/message_box_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/shell_launcher_win32.h"
#include "platform/win32/system_folders_win32.h"
#include "settings/registry_api.h"
#include "shell/general/error_report.h"
#include "shell/general/web.h"
#include "shell/startup.h"
#include "shell/win32/kesview_commands.h"
#include "shell/win32/startup_host_win32.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  platform::InitCommonControlClasses();

  platform::Win32MessageBoxes boxes;
  const Subs::ErrorReport report(boxes);
  platform::Win32Registry registry;
  RegistryAPI registryApi(registry, report);
  platform::Win32ShellLauncher shell;
  platform::Win32FileStore files;
  platform::Win32SystemFolders folders;
  const platform::Win32FileNameRule rule;
  const Subs::WebLauncher web(folders.ProgramFolder(), rule, shell, files, report);
  const shellwin::ShellContext context{instance, registryApi, web, rule};

  shellwin::Win32StartupHost host(context, folders, shellwin::KesviewFrameCommands(context));
  if (!Subs::Main(registryApi, host) || host.Frame() == nullptr ||
      host.Frame()->Handle() == nullptr) {
    return 0;
  }
  return shellwin::RunFrameLoop(*host.Frame());
}
