#include "uninstall/subs.h"

#include <algorithm>
#include <array>
#include <exception>
#include <utility>

#include "settings/settings_store.h"
#include "settings/shortcuts.h"
#include "shell/general/failure_handler.h"
#include "shell/general/text_helpers.h"
#include "shell/general/windows_dir.h"
#include "uninstall/file_identity.h"
#include "uninstall/known_files.h"
#include "uninstall/messages.h"
#include "uninstall/uninstall_texts.h"

namespace kesclean {

namespace {

constexpr const char* kModule = "Subs";

// An ordinary file is none of these.
constexpr std::uint32_t kNotOrdinary = platform::kAttrDirectory | platform::kAttrVolume |
                                       platform::kAttrHidden | platform::kAttrSystem;

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
  // Everything that decides what goes is settled before anything goes.
  std::set<std::string> known;
  SweepDecision decision{{}, kUncheckedText};
  Skip([&] { decision = CheckInstallFolder(known); });
  const bool sweep = !decision.folder.empty();
  std::vector<FileAction> plan;
  if (sweep) {
    Skip([&] {
      plan = PlanRemoval(decision.folder, platform_.files.List(decision.folder + "*.*"),
                         kLogFileName, known, platform_.rule);
    });
  }
  if (!sweep) {
    // The shortcuts and the key stay with the files they lead to: without
    // them no later run could find this install to finish it.
    Skip([&] { platform_.host.CloseUninstallWindow(); });
    Skip([&] {
      Box(RefusalMessage(decision.refusal, gsInstallFolder),
          platform::kMbOk | platform::kMbIconExclamation);
    });
    return;
  }
  Skip([&] { AskAboutUsersFiles(decision.folder, plan); });
  // The shortcuts go first, while the shell-link library is surely there.
  Skip([&] { RemoveShortcuts(kAppName); });
  std::vector<std::string> notDeleted;
  Skip([&] { notDeleted = RemoveUnknownFiles(plan); });
  Skip([&] { DeleteSettingsKey(); });
  Skip([&] { platform_.host.CloseUninstallWindow(); });
  Skip([&] { HandOver(decision.folder, notDeleted); });
}

std::string Subs::OwnInstall() {
  const std::string folder =
      ::Subs::AddBackslash(platform_.rule, platform_.folders.ProgramFolder());
  std::string viewer = folder + kViewerFileName;
  const std::string log = folder + kLogFileName;
  const auto viewerAttributes = platform_.files.Attributes(viewer);
  const auto logAttributes = platform_.files.Attributes(log);
  if (!viewerAttributes || (*viewerAttributes & kNotOrdinary) != 0 || !logAttributes ||
      (*logAttributes & kNotOrdinary) != 0) {
    return {};
  }
  const std::optional<std::string> viewerKey = FileKey(viewer, platform_.files, platform_.rule);
  // Any entry naming the viewer makes the folder the install; whether its
  // log is sound enough to sweep by is the sweep gate's to say.
  for (const std::string& entry : PrivateFileEntries(platform_.files.ReadTextFile(log))) {
    const std::optional<std::string> listed = EntryPath(platform_.rule, entry);
    if (viewerKey && listed && FileKey(*listed, platform_.files, platform_.rule) == viewerKey) {
      return viewer;
    }
  }
  return {};
}

bool Subs::GetInstallInfo() {
  std::string path;
  // The install this program belongs to comes first: "Path" names wherever
  // the viewer ran last, which may be an unpacked copy or another install.
  Skip([&] { path = OwnInstall(); });
  Skip([&] {
    if (!path.empty()) {
      return;
    }
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
  gsProgramPath = path;
  Skip([&] { gsInstallFolder = ::Subs::AddBackslash(platform_.rule, folder); });
  return !folder.empty();
}

bool Subs::FilePathBreakDown(const std::string& fullPath, std::string& fileName,
                             std::string& folder) {
  return ::Subs::WithFailureHandler(platform_.registry.Report(), kModule, "FilePathBreakDown",
                                    fullPath, false, [&] {
                                      if (fullPath.empty()) {
                                        return false;
                                      }
                                      PathParts parts = SplitPath(platform_.rule, fullPath);
                                      folder = std::move(parts.folder);
                                      fileName = std::move(parts.fileName);
                                      return true;
                                    });
}

bool Subs::GetKnownFiles(std::vector<std::string>& list, const std::string& logFileName) {
  return ::Subs::WithFailureHandler(platform_.registry.Report(), kModule, "GetKnownFiles", false,
                                    [&] {
                                      const std::string path = gsInstallFolder + logFileName;
                                      // Not there is no failure: the caller tells the user why
                                      // nothing goes.
                                      const auto attributes = platform_.files.Attributes(path);
                                      if (!attributes || (*attributes & kNotOrdinary) != 0) {
                                        return false;
                                      }
                                      list = KnownFilesIn(platform_.files.ReadTextFile(path));
                                      return true;
                                    });
}

SweepDecision Subs::CheckInstallFolder(std::set<std::string>& known) {
  InstallFacts facts;
  facts.programPath = gsProgramPath;
  facts.installFolder = gsInstallFolder;
  facts.windowsDir = GetWindowsDir();
  Skip(
      [&] { facts.systemDir = ::Subs::SystemDirWithBackslash(platform_.folders, platform_.rule); });
  std::vector<std::string> list;
  if (GetKnownFiles(list, kLogFileName)) {
    const std::optional<std::set<std::string>> keys =
        KnownFileKeys(list, platform_.files, platform_.rule);
    facts.log = keys ? LogState::kRead : LogState::kEntryUnread;
    facts.known = keys.value_or(std::set<std::string>());
  } else {
    std::optional<std::uint32_t> log;
    Skip([&] { log = platform_.files.Attributes(gsInstallFolder + kLogFileName); });
    facts.log = log && (*log & kNotOrdinary) == 0 ? LogState::kUnread : LogState::kMissing;
  }
  known = facts.known;
  return DecideSweep(facts, platform_.files, platform_.identity, platform_.rule);
}

std::vector<std::string> Subs::RemoveUnknownFiles(const std::vector<FileAction>& plan) {
  std::vector<std::string> notDeleted;
  for (const FileAction& action : plan) {
    if (action.asItWas) {
      continue;
    }
    Skip([&] { platform_.files.SetNormalAttributes(action.path); });
    if (!action.remove) {
      continue;
    }
    try {
      platform_.store.RemoveFile(action.path);
    } catch (const std::exception&) {
      notDeleted.push_back(SplitPath(platform_.rule, action.path).fileName);
    }
  }
  return notDeleted;
}

void Subs::RemoveShortcuts(const std::string& linkName) {
  std::string lines;
  for (const ::Subs::ShortcutPlace place : kRemovalOrder) {
    bool removed = false;
    try {
      // 0: the library ran, but the file is still there.
      removed = platform_.links.RemoveShellLink(::Subs::LibraryFolder(place), linkName) != 0;
    } catch (const std::exception&) {  // NOLINT(bugprone-empty-catch): told below
    }
    if (!removed) {
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
    return ::Subs::WindowsDirWithBackslash(platform_.folders, platform_.rule);
  } catch (const std::exception&) {
    return {};
  }
}

void Subs::AskAboutUsersFiles(const std::string& folder, std::vector<FileAction>& plan) {
  std::vector<FileAction*> users;
  std::vector<std::string> names;
  for (FileAction& action : plan) {
    const std::string name = SplitPath(platform_.rule, action.path).fileName;
    if (action.remove && !platform::SameFileName(platform_.rule, name, kHelpPageCopy)) {
      users.push_back(&action);
      names.push_back(name);
    }
  }
  if (users.empty()) {
    return;
  }
  std::sort(names.begin(), names.end());
  // Only a Yes deletes them; a box that could not be shown agrees to nothing.
  int answer = platform::kIdNo;
  Skip([&] {
    answer = Box(UsersFilesQuestion(folder, names),
                 platform::kMbYesNo | platform::kMbIconQuestion | platform::kMbDefaultButton2);
  });
  if (answer != platform::kIdYes) {
    for (FileAction* action : users) {
      action->remove = false;
      action->asItWas = true;
    }
  }
}

void Subs::HandOver(const std::string& folder, const std::vector<std::string>& notDeleted) {
  const std::string windows = GetWindowsDir();
  const std::string command = SetupUninstallCommand(windows, folder);
  bool started = false;
  try {
    // Not the install folder as its current folder: that would keep the
    // folder from being removed.
    platform_.starter.StartProgram(command, windows);
    started = true;
  } catch (const std::exception&) {  // NOLINT(bugprone-empty-catch): told below
  }
  if (started && notDeleted.empty()) {
    return;
  }
  Box(LeftBehindMessage(folder, started ? std::string() : command,
                        started ? notDeleted : FilesIn(folder)),
      platform::kMbOk | platform::kMbIconStop);
}

std::vector<std::string> Subs::FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  Skip([&] {
    for (const platform::FolderEntry& entry : platform_.files.List(folder + "*.*")) {
      if ((entry.attributes &
           (platform::kAttrDirectory | platform::kAttrVolume | platform::kAttrSystem)) == 0) {
        names.push_back(entry.name);
      }
    }
  });
  std::sort(names.begin(), names.end());
  return names;
}

int Subs::Box(const std::string& text, unsigned style, const char* title) {
  return platform_.boxes.Show(0, text, title != nullptr ? title : kProgramTitle, style);
}

}  // namespace kesclean
