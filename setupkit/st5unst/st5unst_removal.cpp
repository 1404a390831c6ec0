#include "setupkit/st5unst/st5unst_removal.h"

#include <exception>
#include <optional>
#include <vector>

#include "platform/failure.h"
#include "platform/full_path.h"
#include "platform/shortcut_places.h"
#include "settings/shortcuts.h"
#include "setupkit/registry_text.h"
#include "setupkit/st5unst/st5unst_log.h"
#include "setupkit/st5unst/st5unst_messages.h"
#include "shell/general/windows_dir.h"
#include "uninstall/file_identity.h"
#include "uninstall/known_files.h"
#include "uninstall/messages.h"

namespace st5unst {

namespace {

constexpr std::uint32_t kRetryMs = 200;
constexpr std::uint32_t kPatienceMs = 10000;

// Neither a folder nor anything the system keeps for itself or hides.
constexpr std::uint32_t kNotOrdinary = platform::kAttrDirectory | platform::kAttrVolume |
                                       platform::kAttrSystem | platform::kAttrHidden;

bool IsGone(const kes::Failure& failure) {
  return failure.Number() == kes::kErrFileNotFound || failure.Number() == kes::kErrPathNotFound;
}

class Remover {
 public:
  explicit Remover(const RemovalPlatform& platform)
      : platform_(platform), deadline_(platform.clock.Milliseconds() + kPatienceMs) {}

  // Deletes an ordinary file, waiting while it is in use; true once it is
  // gone. Only "file not found" and "path not found" say it is.
  bool RemoveFile(const std::string& path) {
    return Patiently([&] {
      const std::optional<std::uint32_t> attributes = platform_.files.Attributes(path);
      if (!attributes) {
        return;
      }
      if ((*attributes & kNotOrdinary) != 0) {
        throw kes::Failure(kes::kErrFileAccess, "Not an ordinary file: " + path);
      }
      if ((*attributes & platform::kAttrReadOnly) != 0) {
        platform_.files.SetNormalAttributes(path);
      }
      platform_.store.RemoveFile(path);
    });
  }

  // Removes the folder when nothing is left in it; true when it is gone or
  // holds something else and so is meant to stay.
  bool RemoveFolderIfEmpty(const std::string& folder) {
    try {
      for (const platform::FolderEntry& entry : platform_.files.List(folder + "\\*.*")) {
        if (entry.name != "." && entry.name != "..") {
          return true;
        }
      }
    } catch (const std::exception&) {
      return false;
    }
    return Patiently([&] { platform_.files.RemoveFolder(folder); });
  }

 private:
  // Runs `step` until it stops failing with "permission denied" (in use) or
  // the patience is spent; true when it ended without a failure or the thing
  // turned out not to be there.
  template <typename Step>
  bool Patiently(Step&& step) {
    for (;;) {
      try {
        step();
        return true;
      } catch (const kes::Failure& failure) {
        if (IsGone(failure)) {
          return true;
        }
        const bool waited =
            static_cast<std::int32_t>(platform_.clock.Milliseconds() - deadline_) >= 0;
        if (failure.Number() != kes::kErrPermissionDenied || waited) {
          return false;
        }
      } catch (const std::exception&) {
        return false;
      }
      platform_.clock.Pause(kRetryMs);
    }
  }

  const RemovalPlatform& platform_;
  std::uint32_t deadline_;
};

// The folder a log may remove files from: not a root, and neither the
// Windows nor the System folder (nor unknown ones).
bool IsSoundFolder(const std::string& folder, const RemovalPlatform& platform) {
  if (platform::SplitFullPath(platform.rule, folder)->steps.empty()) {
    return false;
  }
  for (const std::string& system :
       {::Subs::WindowsDirWithBackslash(platform.folders, platform.rule),
        ::Subs::SystemDirWithBackslash(platform.folders, platform.rule)}) {
    const std::optional<std::string> key = kesclean::FileKey(system, platform.files, platform.rule);
    if (!key || *key == platform.rule.Folded(folder)) {
      return false;
    }
  }
  return true;
}

constexpr const char* kUninstallKeys = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
constexpr const char* kMachine = "HKEY_LOCAL_MACHINE\\";
constexpr const char* kProductName = "Kestrel";
constexpr const char* kPrivateFile = "PrivateFile:";

// Deletes a key below HKEY_LOCAL_MACHINE when `ours` says it belongs to this
// install; false when it should go and would not.
bool RemoveKey(const RemovalPlatform& platform, const std::string& key, bool ours) {
  platform::RegistryKey open = 0;
  if (platform.registry.OpenKey(platform::kHkeyLocalMachine, key, platform::kKeyAccess, open) !=
      platform::kErrorSuccess) {
    return true;  // not there
  }
  platform.registry.CloseKey(open);
  return !ours ||
         platform.registry.DeleteKey(platform::kHkeyLocalMachine, key) == platform::kErrorSuccess;
}

// The names a log line of that kind gives that are Kestrel's own: a log,
// however it was written, cannot lead to another program's shortcut or key
// (a key deleted on Windows 95 takes all its subkeys with it).
std::vector<std::string> KestrelsNames(const std::string& text, const std::string& keyword,
                                       const platform::FileNameRule& rule) {
  std::vector<std::string> names = LoggedNames(text, keyword);
  std::erase_if(names, [&](const std::string& name) {
    return rule.Folded(name) != rule.Folded(kProductName);
  });
  return names;
}

// Removes what the log's other lines name; what stayed is added to `left`.
void RemoveMade(const std::string& text, const std::string& folder, const std::string& log,
                const RemovalPlatform& platform, Remover& remover, std::vector<std::string>& left) {
  const platform::FileNameRule& rule = platform.rule;
  const std::string windows = ::Subs::WindowsDirWithBackslash(platform.folders, rule);
  for (const std::string& name : KestrelsNames(text, "Shortcut", rule)) {
    for (const ::Subs::ShortcutPlaceInfo& place : ::Subs::kShortcutPlaces) {
      const std::string file = platform::ResolveLinkFile(rule, platform.shell, windows,
                                                         ::Subs::LibraryFolder(place.place), name);
      if (!file.empty() && !remover.RemoveFile(file)) {
        left.push_back(file);
      }
    }
  }
  for (const std::string& name : KestrelsNames(text, "SettingsKey", rule)) {
    const std::string key = "SOFTWARE\\" + name;
    const std::string path = setupkit::MachineText(platform.registry, key, "Path").value_or("");
    const std::optional<std::string> program = kesclean::LongPathOf(path, platform.files, rule);
    const bool ours = path.empty() || (program && rule.Folded(platform::ParentOf(rule, *program)) ==
                                                      rule.Folded(folder));
    if (!RemoveKey(platform, key, ours)) {
      left.push_back(kMachine + key);
    }
  }
  for (const std::string& name : KestrelsNames(text, "UninstallKey", rule)) {
    const std::string key = kUninstallKeys + name;
    const std::string command =
        setupkit::MachineText(platform.registry, key, "UninstallString").value_or("");
    const bool ours = rule.Find(rule.Folded(command), rule.Folded(log)) != std::string::npos;
    if (!RemoveKey(platform, key, ours)) {
      left.push_back(kMachine + key);
    }
  }
}

int Tell(const RemovalPlatform& platform, const std::string& text) {
  platform.boxes.Show(0, text, kTitle, platform::kMbOk | platform::kMbIconStop);
  return kSomethingLeft;
}

}  // namespace

int RemoveLoggedFiles(const std::string& arguments, const RemovalPlatform& platform) {
  const std::optional<std::string> given = LogPathFromArguments(arguments);
  const std::optional<std::string> log =
      given ? kesclean::LongPathOf(*given, platform.files, platform.rule) : std::nullopt;
  if (!log) {
    return kBadArguments;
  }
  const std::string folder = platform::ParentOf(platform.rule, *log);
  if (!IsSoundFolder(folder, platform)) {
    return Tell(platform, RefusedFolderMessage(*log));
  }
  std::string text;
  try {
    if (!platform.files.Attributes(*log)) {
      return kSomethingLeft;  // no log: nothing is named, so nothing goes
    }
    text = platform.files.ReadTextFile(*log);
  } catch (const std::exception&) {
    return Tell(platform, UnreadLogMessage(*log));
  }

  Remover remover(platform);
  const std::string below = platform.rule.Folded(folder + "\\");
  std::vector<std::string> left;
  for (const std::string& entry : kesclean::PrivateFileEntries(text)) {
    // An entry that names no file is not passed over: what it meant stays
    // unknown, and the log with it.
    const std::optional<std::string> named = kesclean::EntryPath(platform.rule, entry);
    if (!named) {
      left.push_back(Trim(std::string(kPrivateFile) + " " + entry));
      continue;
    }
    const std::optional<std::string> path =
        kesclean::LongPathOf(*named, platform.files, platform.rule);
    const bool inFolder = path && platform.rule.Folded(*path).starts_with(below) &&
                          platform.rule.Folded(*path) != platform.rule.Folded(*log);
    if (!inFolder || !remover.RemoveFile(*path)) {
      left.push_back(path && inFolder ? *path : *named);
    }
  }
  if (left.empty()) {
    RemoveMade(text, folder, *log, platform, remover, left);
  }
  if (!left.empty()) {
    return Tell(platform, LeftBehindMessage(left, *log));
  }
  if (!remover.RemoveFile(*log)) {
    return Tell(platform, LeftBehindMessage({*log}, *log));
  }
  if (!remover.RemoveFolderIfEmpty(folder)) {
    return Tell(platform, FolderLeftMessage(folder));
  }
  return kAllGone;
}

}  // namespace st5unst
