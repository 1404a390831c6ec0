#pragma once

#include <string>

#include "platform/file_name_rule.h"
#include "platform/file_store.h"
#include "platform/file_transfer.h"
#include "platform/folder_files.h"
#include "platform/registry.h"
#include "platform/shell_folders.h"
#include "platform/shell_links.h"
#include "platform/system_folders.h"

namespace setup {

struct SetupPlatform {
  platform::FolderFiles& files;
  platform::FileStore& store;
  platform::FileTransfer& transfer;
  platform::Registry& registry;
  // The shell-link library as installed in the target folder.
  platform::ShellLinks& links;
  platform::SystemFolders& folders;
  const platform::FileNameRule& rule;
  // Where the shortcut goes.
  platform::ShellFolders& shell;
};

struct Outcome {
  bool installed = false;
  std::string message;  // why not, for the user
};

// Installs from the package folder `source` into `folder` (as ChooseFolder
// gave it): the program files and the setup log into the folder, the
// uninstaller into the Windows folder unless a newer one is there, the
// Programs menu shortcut and the Add/Remove Programs entry. Every file is
// copied under a temporary name first and only then put in place, the file
// it replaces kept aside until the end; files that are in use are found
// before anything changes. On any failure everything this run did is undone
// and nothing of it is left. The viewer's settings are never touched.
Outcome Install(const std::string& source, const std::string& folder,
                const SetupPlatform& platform);

}  // namespace setup
