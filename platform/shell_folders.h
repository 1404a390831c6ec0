#pragma once

#include <optional>
#include <string>

namespace platform {

// The shell's own folders that Kestrel reaches, numbered as the shell
// numbers them (its CSIDL_ values), so the Win32 side passes them on as
// they are.
enum class ShellFolderId : int {
  kPrograms = 0x0002,          // the Programs menu
  kStartup = 0x0007,           // the Startup group
  kStartMenu = 0x000b,         // the Start menu
  kDesktopDirectory = 0x0010,  // the desktop's folder
  kAppData = 0x001a,           // Application Data; only shell 4.71 and later know it
};

// Where the shell keeps its folders: on a German system the Programs menu
// has a German name, with user profiles switched on it lies in the user's
// profile.
class ShellFolders {
 public:
  virtual ~ShellFolders() = default;
  // The folder's full path, without a trailing backslash unless it is a
  // root; nothing where the shell gives no answer.
  virtual std::optional<std::string> Folder(ShellFolderId id) = 0;
};

}  // namespace platform
