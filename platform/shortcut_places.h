#pragma once

#include <array>
#include <string>

#include "platform/file_name_rule.h"
#include "platform/shell_folders.h"

namespace platform {

// The five places a shortcut to the viewer can go.
enum class ShortcutPlace { kQuickLaunch, kDesktop, kProgramMenu, kStartup, kStartMenu };

// Where each place lies. The shell-link library is given the place's name,
// relative to the Programs menu ("Start Menu\Programs" on an English
// Windows without profiles); the library, the viewer and the uninstallers
// all find the folder from the place's own shell folder.
struct ShortcutFolder {
  ShortcutPlace place;
  // The name the shell-link library takes for the place.
  const char* libraryName;
  ShellFolderId shellFolder;
  // Below the shell folder; empty for the shell folder itself.
  const char* below;
  // The shell folder relative to the Windows directory, where the shell
  // gives no answer: the folders of an English Windows 95 without profiles.
  const char* windowsFallback;
  // False for a place that only exists with a part of the system not every
  // Windows has (Quick Launch comes with Internet Explorer 4's desktop):
  // its folder chain is never created.
  bool madeWhenMissing;
};

// The places, in the order of ShortcutPlace.
extern const std::array<ShortcutFolder, 5> kShortcutFolders;

const ShortcutFolder& FolderOfPlace(ShortcutPlace place);

// The place a name given to the shell-link library stands for, compared as
// file names are; nullptr for any other name.
const ShortcutFolder* PlaceNamed(const FileNameRule& rule, const std::string& libraryName);

// The full path of a shell folder: the shell's answer, or else its folder
// in `windowsDir` (the Windows directory, with or without its trailing
// backslash) for the ids the places use. Empty when there is neither.
std::string ResolveShellFolder(const FileNameRule& rule, ShellFolders& shell,
                               const std::string& windowsDir, ShellFolderId id);

// The folder a shortcut named by the shell-link library's `libraryName` goes
// to: a place's name gives its folder; any other name is taken relative to
// the Programs menu, a leading backslash ignored and "." and ".." resolved
// (never above the root: "C:\" or "\\server\share\"). No trailing backslash
// unless it is the root; empty when no full path comes out.
std::string ResolveLinkFolder(const FileNameRule& rule, ShellFolders& shell,
                              const std::string& windowsDir, const std::string& libraryName);

// The shortcut file "<folder>\<linkName>.LNK" in the folder ResolveLinkFolder
// gives; empty when it gives none.
std::string ResolveLinkFile(const FileNameRule& rule, ShellFolders& shell,
                            const std::string& windowsDir, const std::string& libraryName,
                            const std::string& linkName);

}  // namespace platform
