#include "settings/shortcuts.h"

#include <exception>

#include "settings/failure_handler.h"
#include "shell/app_strings.h"
#include "shell/general/text_helpers.h"
#include "shell/general/windows_dir.h"

namespace Subs {

const std::array<ShortcutPlaceInfo, 5> kShortcutPlaces = {{
    {ShortcutPlace::kQuickLaunch, 5, "Couldn't Create QuickLaunch Shortcut",
     "Couldn't Remove QuickLaunch Shortcut"},
    {ShortcutPlace::kDesktop, 1, "Couldn't Create Desktop Shortcut",
     "Couldn't Remove Desktop Shortcut"},
    {ShortcutPlace::kProgramMenu, 3, "Couldn't Create Program Menu Shortcut",
     "Couldn't Remove Program Menu Shortcut"},
    {ShortcutPlace::kStartup, 0, "Couldn't Create Startup Shortcut",
     "Couldn't Remove Startup Shortcut"},
    {ShortcutPlace::kStartMenu, 2, "Couldn't Create Start Menu Shortcut",
     "Couldn't Remove Start Menu Shortcut"},
}};

const ShortcutPlaceInfo& PlaceInfo(ShortcutPlace place) {
  return kShortcutPlaces[static_cast<std::size_t>(place)];
}

std::string ShellLinkLibraryPath(platform::SystemFolders& folders,
                                 const platform::FileNameRule& rule) {
  return AddBackslash(rule, folders.ProgramFolder()) + platform::kShellLinkLibrary;
}

const char* LibraryFolder(ShortcutPlace place) {
  return platform::FolderOfPlace(place).libraryName;
}

std::string PlaceFolder(platform::SystemFolders& folders, platform::ShellFolders& shell,
                        const platform::FileNameRule& rule, const ErrorReport& report,
                        ShortcutPlace place) {
  return platform::ResolveLinkFolder(rule, shell, GetWindowsDir(folders, rule, report),
                                     LibraryFolder(place));
}

bool LinkExist(platform::SystemFolders& folders, platform::ShellFolders& shell,
               platform::FileFinder& files, const platform::FileNameRule& rule,
               const ErrorReport& report, const std::string& folder, const std::string& name) {
  return settings_detail::WithFailureHandler(report, "Subs", "LinkExist", false, [&] {
    const std::string file =
        platform::ResolveLinkFile(rule, shell, GetWindowsDir(folders, rule, report), folder, name);
    // Without a folder the path would name a file below the current folder
    // instead.
    return !file.empty() && files.FindNormalFile(file);
  });
}

bool SetShortcuts(platform::ShellLinks& links, platform::MessageBoxes& boxes,
                  const std::string& linkName, const std::string& target, std::int16_t desktop,
                  std::int16_t programMenu, std::int16_t startup, std::int16_t startMenu,
                  std::int16_t quickLaunch) {
  const std::array<std::int16_t, 5> wanted = {quickLaunch, desktop, programMenu, startup,
                                              startMenu};
  std::string failures;
  for (const ShortcutPlaceInfo& info : kShortcutPlaces) {
    const bool create = wanted[static_cast<std::size_t>(info.place)] != 0;
    try {
      if (create) {
        links.CreateShellLink(LibraryFolder(info.place), linkName, target, "");
      } else {
        links.RemoveShellLink(LibraryFolder(info.place), linkName);
      }
    } catch (const std::exception&) {
      failures += create ? info.createFailedLine : info.removeFailedLine;
      failures += kLF;
    }
  }
  if (!failures.empty()) {
    boxes.Show(0, failures, kAppTitle, platform::kMbOk | platform::kMbIconStop);
  }
  return true;
}

}  // namespace Subs
