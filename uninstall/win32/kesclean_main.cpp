// The uninstaller's entry point: puts the platform's pieces together and
// hands over to the start routine. The program takes no arguments.
#include <windows.h>

#include "platform/win32/file_name_rule_win32.h"
#include "platform/win32/file_store_win32.h"
#include "platform/win32/folder_files_win32.h"
#include "platform/win32/folder_identity_win32.h"
#include "platform/win32/message_box_win32.h"
#include "platform/win32/program_starter_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/shell_links_win32.h"
#include "platform/win32/system_folders_win32.h"
#include "settings/registry_api.h"
#include "settings/shortcuts.h"
#include "shell/general/error_report.h"
#include "uninstall/subs.h"
#include "uninstall/uninstall_texts.h"
#include "uninstall/win32/uninstall_host_win32.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  platform::Win32MessageBoxes boxes;
  const Subs::ErrorReport report(boxes, kesclean::kErrorTitle);
  platform::Win32Registry registry;
  RegistryAPI registryApi(registry, report);
  platform::Win32SystemFolders folders;
  platform::Win32FolderFiles files;
  platform::Win32FileStore store;
  // The shell-link library that the install put beside this program.
  const platform::Win32FileNameRule rule;
  platform::Win32ShellLinks links(Subs::ShellLinkLibraryPath(folders, rule));
  platform::Win32ProgramStarter starter;
  kesclean::Win32UninstallHost host(instance);

  platform::Win32FolderIdentity identity(rule);
  kesclean::Subs subs(
      {registryApi, boxes, folders, files, store, identity, links, starter, rule, host});
  subs.Main();
  return 0;
}
