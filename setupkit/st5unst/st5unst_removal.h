#pragma once

#include <string>

#include "platform/clock.h"
#include "platform/file_name_rule.h"
#include "platform/file_store.h"
#include "platform/folder_files.h"
#include "platform/message_box.h"
#include "platform/registry.h"
#include "platform/shell_folders.h"
#include "platform/system_folders.h"

namespace st5unst {

// Exit statuses: everything the log names is gone (and the log, and the
// folder if that left it empty); something stayed; arguments not understood.
inline constexpr int kAllGone = 0;
inline constexpr int kSomethingLeft = 1;
inline constexpr int kBadArguments = 2;

inline constexpr const char* kTitle = "Setup Log Uninstaller";

struct RemovalPlatform {
  platform::FolderFiles& files;
  platform::FileStore& store;
  const platform::FileNameRule& rule;
  platform::SystemFolders& folders;
  platform::Clock& clock;
  platform::MessageBoxes& boxes;
  platform::Registry& registry;
  // Where the shortcuts are.
  platform::ShellFolders& shell;
};

// Removes what the log named in `arguments` ("-n" and its path) lists. Only
// ordinary files at or below the log's own folder go, each path made
// canonical and spelled by its long names first; every other entry, and
// every entry that names no file by the log's one rule (EntryPath), is
// refused and counts as left behind. A log in a drive's or share's root, the
// Windows or the System folder removes nothing. A file in use is tried again
// for a few seconds. The log goes only when nothing it names is left, so a
// second run finishes the job; then the folder goes if that left it empty.
// Besides the files, the log's other lines name what the setup program
// made: "Shortcut" the shortcut files of that name in the five shortcut
// places, "SettingsKey" the program's settings key (only while its "Path"
// lies in the log's folder), "UninstallKey" the Add/Remove Programs entry
// (only while it runs this log). They go after the files.
// Whatever stayed is told in one box. Returns the exit status.
int RemoveLoggedFiles(const std::string& arguments, const RemovalPlatform& platform);

}  // namespace st5unst
