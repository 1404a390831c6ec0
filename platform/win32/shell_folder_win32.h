#pragma once

#include <string>

#include "platform/shell_folders.h"

namespace platform {

// The path of one of the shell's special folders (a CSIDL_ number), without
// a trailing backslash unless it is a drive root; "" where the system has no
// such folder.
std::string ShellFolderPath(int folder);

// Frees what the shell handed out (an item list) with the shell's own
// allocator: the OLE library, which CoTaskMemFree would need started, is
// neither loaded nor imported for it.
void FreeShellMemory(void* block);

// The shell's answers, through ShellFolderPath. A shell older than 4.71
// does not know Application Data and gives no answer for it.
class Win32ShellFolders final : public ShellFolders {
 public:
  std::optional<std::string> Folder(ShellFolderId id) override;
};

}  // namespace platform
