#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/file_finder.h"
#include "platform/file_name_rule.h"
#include "platform/message_box.h"
#include "platform/shell_folders.h"
#include "platform/shell_links.h"
#include "platform/shortcut_places.h"
#include "platform/system_folders.h"
#include "shell/general/error_report.h"

namespace Subs {

using platform::ShortcutPlace;

struct ShortcutPlaceInfo {
  ShortcutPlace place;
  // The options dialog's check box for the place.
  int optionsBox;
  const char* createFailedLine;
  const char* removeFailedLine;
};

// The places in the order the viewer handles them.
extern const std::array<ShortcutPlaceInfo, 5> kShortcutPlaces;

// The place's row of kShortcutPlaces.
const ShortcutPlaceInfo& PlaceInfo(ShortcutPlace place);

// The shell-link library beside the running program. Both programs load it
// by this full path only, so a copy elsewhere on the search path is never
// taken instead.
std::string ShellLinkLibraryPath(platform::SystemFolders& folders,
                                 const platform::FileNameRule& rule);

// The name the shell-link library takes for the place.
const char* LibraryFolder(ShortcutPlace place);

// The place's folder as the shell-link library finds it; empty when there
// is none (no Windows directory and no answer from the shell).
std::string PlaceFolder(platform::SystemFolders& folders, platform::ShellFolders& shell,
                        const platform::FileNameRule& rule, const ErrorReport& report,
                        ShortcutPlace place);

// True when "<folder>\<name>.LNK" is an ordinary file (neither hidden,
// system nor a folder), `folder` named as the shell-link library names it.
// A fault is reported (module "Subs", routine "LinkExist") and gives false.
bool LinkExist(platform::SystemFolders& folders, platform::ShellFolders& shell,
               platform::FileFinder& files, const platform::FileNameRule& rule,
               const ErrorReport& report, const std::string& folder, const std::string& name);

// Creates the shortcut `linkName` to `target` in every place whose flag is
// non-zero and removes it from every other place, in the order of
// kShortcutPlaces. A call that cannot be made (no library, no entry point, a
// fault) adds the place's line for its action; the lines, each ending in a
// line feed, are shown together in one box (stop icon, "Kestrel"). What a
// call returns is not looked at. Returns true.
bool SetShortcuts(platform::ShellLinks& links, platform::MessageBoxes& boxes,
                  const std::string& linkName, const std::string& target, std::int16_t desktop,
                  std::int16_t programMenu, std::int16_t startup, std::int16_t startMenu,
                  std::int16_t quickLaunch);

}  // namespace Subs
