// ST5UNST.EXE, the setup toolkit's uninstaller as this project provides it:
//   ST5UNST.EXE -n "<folder>\ST5UNST.LOG"
// removes the files that the log's "PrivateFile:" lines name, then the log,
// then the log's folder if it is empty (st5unst_removal.h says which files it
// will touch). Exit code 0 when everything named is gone, 1 when something
// stayed (told in a box), 2 for arguments it does not understand.
#include <windows.h>

#include "platform/win32/clock_win32.h"
#include "platform/win32/file_name_rule_win32.h"
#include "platform/win32/file_store_win32.h"
#include "platform/win32/folder_files_win32.h"
#include "platform/win32/message_box_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/shell_folder_win32.h"
#include "platform/win32/system_folders_win32.h"
#include "setupkit/st5unst/st5unst_log.h"
#include "setupkit/st5unst/st5unst_removal.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // A folder that is some process's current folder cannot be removed; this
  // one's may be the install folder it was started from.
  char windows[MAX_PATH + 1] = {};
  const UINT length = GetWindowsDirectoryA(windows, MAX_PATH);
  if (length > 0 && length <= MAX_PATH) {
    SetCurrentDirectoryA(windows);
  }
  platform::Win32FolderFiles files;
  platform::Win32FileStore store;
  platform::Win32FileNameRule rule;
  platform::Win32SystemFolders folders;
  platform::Win32Clock clock;
  platform::Win32MessageBoxes boxes;
  platform::Win32Registry registry;
  platform::Win32ShellFolders shell;
  return st5unst::RemoveLoggedFiles(st5unst::ArgumentsOf(GetCommandLineA()),
                                    {files, store, rule, folders, clock, boxes, registry, shell});
}
