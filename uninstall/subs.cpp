#include "uninstall/subs.h"

#include <array>
#include <exception>
#include <utility>

#include "settings/settings_store.h"
#include "settings/shortcuts.h"
#include "shell/general/text_helpers.h"
#include "shell/general/windows_dir.h"
#include "uninstall/known_files.h"
#include "uninstall/uninstall_texts.h"

namespace kesclean {

namespace {

constexpr const char* kModule = "Subs";

// Runs one step; a fault in it is passed over and the caller goes on.
template <typename Step>
void Skip(Step&& step) {
  try {
    step();
  } catch (const std::exception&) {  // NOLINT(bugprone-empty-catch): skipped by design
  }
}

// The viewer's five places, in the uninstaller's own order.
constexpr std::array<::Subs::ShortcutPlace, 5> kRemovalOrder = {
    ::Subs::ShortcutPlace::kDesktop, ::Subs::ShortcutPlace::kQuickLaunch,
    ::Subs::ShortcutPlace::kProgramMenu, ::Subs::ShortcutPlace::kStartup,
    ::Subs::ShortcutPlace::kStartMenu};

// The viewer's line for a failed removal, but for Quick Launch the
// uninstaller's own.
const char* RemoveFailedLine(::Subs::ShortcutPlace place) {
  return place == ::Subs::ShortcutPlace::kQuickLaunch ? kQuickLaunchRemoveFailed
                                                      : ::Subs::PlaceInfo(place).removeFailedLine;
}

}  // namespace

std::string SetupUninstallCommand(const std::string& windowsDir, const std::string& installFolder) {
  return windowsDir + kSetupUninstaller + " -n \"" + installFolder + kLogFileName + "\"";
}

Subs::Subs(const UninstallPlatform& platform) : platform_(platform) {}

void Subs::Main() {
  bool found = false;
  Skip([&] { found = GetInstallInfo(); });
  if (!found) {
    Skip([&] { Box(kNotFoundText, platform::kMbOk | platform::kMbIconExclamation); });
    return;
  }
  // Only a Yes goes on: a box that could not be shown confirms nothing.
  int answer = platform::kIdNo;
  Skip([&] {
    answer = Box(kConfirmText, platform::kMbYesNo | platform::kMbIconQuestion, kConfirmTitle);
  });
  if (answer != platform::kIdYes) {
    return;
  }
  Skip([&] { platform_.host.ShowUninstallWindow(kWindowCaption); });
  Skip([&] { RemoveUnknownFiles(gsInstallFolder, kLogFileName); });
  Skip([&] { RemoveShortcuts(kAppName); });
  Skip([&] { DeleteSettingsKey(); });
  Skip([&] { platform_.host.CloseUninstallWindow(); });
  Skip([&] {
    platform_.starter.StartProgram(SetupUninstallCommand(GetWindowsDir(), gsInstallFolder));
  });
}

bool Subs::GetInstallInfo() {
  std::string path;
  Skip([&] {
    RegistryValue value;
    if (platform_.registry.QueryValue(platform::kHkeyLocalMachine, ::Subs::kSettingsKey, "Path",
                                      value)) {
      path = value.ToText();
    }
  });
  std::string fileName;
  std::string folder;
  Skip([&] { FilePathBreakDown(path, fileName, folder); });
  gsAppName = kAppName;
  Skip([&] { gsInstallFolder = ::Subs::AddBackslash(folder); });
  return !folder.empty();
}

bool Subs::FilePathBreakDown(const std::string& fullPath, std::string& fileName,
                             std::string& folder) {
  try {
    if (fullPath.empty()) {
      return false;
    }
    PathParts parts = SplitPath(fullPath);
    folder = std::move(parts.folder);
    fileName = std::move(parts.fileName);
    return true;
  } catch (const std::exception& failure) {
    platform_.registry.Report().ShowFailure(failure, kModule, "FilePathBreakDown", fullPath);
    return false;
  }
}

bool Subs::GetKnownFiles(std::vector<std::string>& list, const std::string& logFileName) {
  try {
    const std::string path = gsInstallFolder + logFileName;
    // An ordinary file: not a folder, not hidden, not a system file.
    constexpr std::uint32_t kNotOrdinary = platform::kAttrDirectory | platform::kAttrVolume |
                                           platform::kAttrHidden | platform::kAttrSystem;
    const auto attributes = platform_.files.Attributes(path);
    if (!attributes || (*attributes & kNotOrdinary) != 0) {
      Box(kNoLogText, platform::kMbOk | platform::kMbIconExclamation);
      return false;
    }
    list = KnownFilesIn(platform_.files.ReadTextFile(path));
    return true;
  } catch (const std::exception& failure) {
    platform_.registry.Report().ShowFailure(failure, kModule, "GetKnownFiles");
    return false;
  }
}

void Subs::RemoveUnknownFiles(const std::string& folder, const std::string& logFileName) {
  std::vector<std::string> list;
  bool read = false;
  Skip([&] { read = GetKnownFiles(list, logFileName); });
  if (!read) {
    return;
  }
  std::vector<FileAction> actions;
  Skip([&] {
    actions = PlanRemoval(folder, platform_.files.List(folder + "*.*"), logFileName, list);
  });
  for (const FileAction& action : actions) {
    Skip([&] { platform_.files.SetNormalAttributes(action.path); });
    if (action.remove) {
      Skip([&] { platform_.store.RemoveFile(action.path); });
    }
  }
}

void Subs::RemoveShortcuts(const std::string& linkName) {
  std::string lines;
  for (const ::Subs::ShortcutPlace place : kRemovalOrder) {
    try {
      platform_.links.RemoveShellLink(::Subs::PlaceInfo(place).libraryFolder, linkName);
    } catch (const std::exception&) {
      lines += RemoveFailedLine(place);
      lines += '\n';
    }
  }
  if (!lines.empty()) {
    Box(lines, platform::kMbOk | platform::kMbIconStop);
  }
}

void Subs::DeleteSettingsKey() {
  Skip([&] {
    platform_.registry.RegDeleteKeyEx(platform::kHkeyLocalMachine, ::Subs::kSettingsKey);
  });
}

std::string Subs::GetWindowsDir() {
  try {
    return ::Subs::WindowsDirWithBackslash(platform_.folders);
  } catch (const std::exception&) {
    return {};
  }
}

int Subs::Box(const std::string& text, unsigned style, const char* title) {
  return platform_.boxes.Show(0, text, title != nullptr ? title : kProgramTitle, style);
}

}  // namespace kesclean
