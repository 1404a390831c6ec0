#include "platform/shortcut_places.h"

#include <optional>

#include "platform/full_path.h"

namespace platform {

const std::array<ShortcutFolder, 5> kShortcutFolders = {{
    {ShortcutPlace::kQuickLaunch,
     "..\\..\\Application Data\\Microsoft\\Internet Explorer\\Quick Launch",
     ShellFolderId::kAppData, "Microsoft\\Internet Explorer\\Quick Launch", "Application Data",
     false},
    {ShortcutPlace::kDesktop, "..\\..\\Desktop", ShellFolderId::kDesktopDirectory, "", "Desktop",
     true},
    {ShortcutPlace::kProgramMenu, "", ShellFolderId::kPrograms, "", "Start Menu\\Programs", true},
    {ShortcutPlace::kStartup, "\\Startup", ShellFolderId::kStartup, "",
     "Start Menu\\Programs\\Startup", true},
    {ShortcutPlace::kStartMenu, "..\\..\\Start Menu", ShellFolderId::kStartMenu, "", "Start Menu",
     true},
}};

const ShortcutFolder& FolderOfPlace(ShortcutPlace place) {
  return kShortcutFolders[static_cast<std::size_t>(place)];
}

const ShortcutFolder* PlaceNamed(const FileNameRule& rule, const std::string& libraryName) {
  for (const ShortcutFolder& folder : kShortcutFolders) {
    if (SameFileName(rule, folder.libraryName, libraryName)) {
      return &folder;
    }
  }
  return nullptr;
}

namespace {

// `path` with "." and ".." resolved, never above its root; empty for a path
// that is not full.
std::string Resolved(const FileNameRule& rule, const std::string& path) {
  const std::optional<PathSteps> split = SplitFullPath(rule, path);
  if (!split) {
    return {};
  }
  PathSteps resolved{split->root, {}};
  for (const std::string& step : split->steps) {
    if (step == ".") {
      continue;
    }
    if (step == "..") {
      if (!resolved.steps.empty()) {
        resolved.steps.pop_back();
      }
      continue;
    }
    resolved.steps.push_back(step);
  }
  return JoinPath(resolved);
}

// The folders of an English Windows 95 without profiles, for the shell
// folders the places use.
const char* WindowsFallback(ShellFolderId id) {
  for (const ShortcutFolder& folder : kShortcutFolders) {
    if (folder.shellFolder == id) {
      return folder.windowsFallback;
    }
  }
  return nullptr;
}

}  // namespace

std::string ResolveShellFolder(const FileNameRule& rule, ShellFolders& shell,
                               const std::string& windowsDir, ShellFolderId id) {
  // An answer that is no full path is no answer.
  if (const std::optional<std::string> answer = shell.Folder(id)) {
    std::string folder = Resolved(rule, *answer);
    if (!folder.empty()) {
      return folder;
    }
  }
  const char* fallback = WindowsFallback(id);
  // Without the Windows directory a fallback would name a folder below the
  // current one instead.
  if (fallback == nullptr || windowsDir.empty()) {
    return {};
  }
  return Resolved(rule, rule.AddBackslash(windowsDir) + fallback);
}

std::string ResolveLinkFolder(const FileNameRule& rule, ShellFolders& shell,
                              const std::string& windowsDir, const std::string& libraryName) {
  if (const ShortcutFolder* place = PlaceNamed(rule, libraryName)) {
    std::string folder = ResolveShellFolder(rule, shell, windowsDir, place->shellFolder);
    if (folder.empty() || *place->below == '\0') {
      return folder;
    }
    return Resolved(rule, rule.AddBackslash(folder) + place->below);
  }
  const std::string programs =
      ResolveShellFolder(rule, shell, windowsDir, ShellFolderId::kPrograms);
  if (programs.empty()) {
    return {};
  }
  return Resolved(rule, rule.AddBackslash(programs) + libraryName);
}

std::string ResolveLinkFile(const FileNameRule& rule, ShellFolders& shell,
                            const std::string& windowsDir, const std::string& libraryName,
                            const std::string& linkName) {
  const std::string folder = ResolveLinkFolder(rule, shell, windowsDir, libraryName);
  return folder.empty() ? folder : rule.AddBackslash(folder) + linkName + ".LNK";
}

}  // namespace platform
