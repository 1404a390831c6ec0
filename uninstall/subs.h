#pragma once

#include <set>
#include <string>
#include <vector>

#include "platform/file_name_rule.h"
#include "platform/file_store.h"
#include "platform/folder_files.h"
#include "platform/folder_identity.h"
#include "platform/message_box.h"
#include "platform/program_starter.h"
#include "platform/shell_links.h"
#include "platform/system_folders.h"
#include "settings/registry_api.h"
#include "shell/general/error_report.h"
#include "uninstall/known_files.h"
#include "uninstall/sweep_gate.h"
#include "uninstall/uninstall_host.h"

namespace kesclean {

// The platform pieces the uninstaller works through.
struct UninstallPlatform {
  RegistryAPI& registry;  // reporting with the uninstaller's own error report
  platform::MessageBoxes& boxes;
  platform::SystemFolders& folders;
  platform::FolderFiles& files;
  platform::FileStore& store;
  platform::FolderIdentity& identity;  // tells a second name of a system folder
  platform::ShellLinks& links;         // only its removal call is used
  platform::ProgramStarter& starter;
  const platform::FileNameRule& rule;
  UninstallHost& host;
};

// The command line of the hand-over: the setup toolkit's uninstaller in the
// Windows directory (`windowsDir` ends in a backslash or is empty), told the
// quoted path of the log in the install folder.
std::string SetupUninstallCommand(const std::string& windowsDir, const std::string& installFolder);

// The uninstaller's general module: its routines and its two process-wide
// values. Every message box that names no title of its own carries the
// program's title.
class Subs {
 public:
  explicit Subs(const UninstallPlatform& platform);

  // The start routine: install check, confirmation, then with the window
  // shown the shortcuts, the sweep of the install folder (only where
  // DecideSweep allows it), the settings key, and the hand-over to the setup
  // toolkit's uninstaller. A step that faults is skipped. Once the key is
  // gone kesclean cannot run again, so whatever stays after that is told.
  void Main();

  // Finds the install folder: this program's own folder when it is a Kestrel
  // install (it holds the viewer and a setup log that lists it), otherwise
  // the folder of the viewer's "Path" value; true if found.
  bool GetInstallInfo();
  // Splits at the last backslash; false (outputs unchanged) for empty text.
  bool FilePathBreakDown(const std::string& fullPath, std::string& fileName, std::string& folder);
  // The entries of the log's "PrivateFile:" lines; false when the log is
  // missing or cannot be read (a failure is reported).
  bool GetKnownFiles(std::vector<std::string>& list, const std::string& logFileName);
  // Reads the log and decides whether the install folder may be swept.
  SweepDecision CheckInstallFolder(std::set<std::string>& known);
  // Deletes the files the plan marks; gives the names of those that stayed.
  std::vector<std::string> RemoveUnknownFiles(const std::vector<FileAction>& plan);
  // Removes the shortcut from the five places of the viewer's shortcut table,
  // in the uninstaller's own order; one box lists the failures.
  void RemoveShortcuts(const std::string& linkName);
  void DeleteSettingsKey();
  // The Windows directory with a trailing backslash, or empty; tells nothing.
  std::string GetWindowsDir();

  std::string gsAppName;
  std::string gsInstallFolder;  // always ends in a backslash once found
  std::string gsProgramPath;    // the viewer's path it was found from

 private:
  int Box(const std::string& text, unsigned style, const char* title = nullptr);
  // The viewer's full path in this program's folder when that folder is an
  // install, or empty.
  std::string OwnInstall();
  // Names the files of the plan that may be the user's (all but those the
  // programs write themselves) and keeps them unless the answer is Yes.
  void AskAboutUsersFiles(const std::string& folder, std::vector<FileAction>& plan);
  // Starts the setup toolkit's uninstaller in the Windows folder; when it
  // cannot, or when the sweep left files, one box says what stayed where.
  void HandOver(const std::string& folder, const std::vector<std::string>& notDeleted);
  // The names of the files in the folder, System files left out.
  std::vector<std::string> FilesIn(const std::string& folder);

  UninstallPlatform platform_;
};

}  // namespace kesclean
