#include "setupkit/setup/setup_install.h"

#include <exception>
#include <functional>
#include <optional>
#include <set>
#include <vector>

#include "platform/failure.h"
#include "platform/shortcut_places.h"
#include "settings/shortcuts.h"
#include "setupkit/link_folder.h"
#include "setupkit/registry_text.h"
#include "setupkit/setup/setup_messages.h"
#include "setupkit/setup/setup_plan.h"
#include "shell/general/windows_dir.h"

namespace setup {

namespace {

constexpr const char* kStaged = ".NEW";  // a copy not yet in place
constexpr const char* kKept = ".OLD";    // the file it replaces, until the end
constexpr int kNameTries = 99;

// What this run changed, undone last change first. Each change names what
// stays when its undo fails.
class Journal {
 public:
  void Add(std::string what, std::function<void()> undo) {
    steps_.push_back({std::move(what), std::move(undo)});
  }
  // What could not be undone; the other steps still run.
  std::vector<std::string> Undo() {
    std::vector<std::string> stayed;
    for (auto step = steps_.rbegin(); step != steps_.rend(); ++step) {
      try {
        step->undo();
      } catch (const std::exception&) {
        stayed.push_back(step->what);
      }
    }
    steps_.clear();
    return stayed;
  }

 private:
  struct Step {
    std::string what;
    std::function<void()> undo;
  };
  std::vector<Step> steps_;
};

constexpr const char* kMachine = "HKEY_LOCAL_MACHINE\\";

// A file to put in place: copied from the package, or written as text.
struct Placement {
  std::string target;
  std::string from;  // empty: `text` is written
  std::string text;
};

class Installer {
 public:
  explicit Installer(const SetupPlatform& platform) : p_(platform) {}

  bool Exists(const std::string& path) { return p_.files.Attributes(path).has_value(); }
  bool IsFile(const std::string& path) {
    const std::optional<std::uint32_t> attributes = p_.files.Attributes(path);
    return attributes && (*attributes & platform::kAttrDirectory) == 0;
  }

  // Deletes a file this run made or set aside, if it is there. A read-only
  // one (a copy from a CD or a read-only share keeps the attribute) has it
  // cleared first.
  void RemoveQuietly(const std::string& path) {
    const std::optional<std::uint32_t> attributes = p_.files.Attributes(path);
    if (!attributes) {
      return;
    }
    if ((*attributes & platform::kAttrReadOnly) != 0) {
      p_.files.SetNormalAttributes(path);
    }
    try {
      p_.store.RemoveFile(path);
    } catch (const kes::Failure& failure) {
      if (failure.Number() != kes::kErrFileNotFound) {
        throw;
      }
    }
  }

  // A name beside `path` that nothing has now: `path` and the suffix, or
  // with a number after it. Whoever uses it checks again as it does (a copy
  // or rename fails when the name is taken), so a file of the user's of that
  // name is never replaced, nor deleted.
  std::string FreeName(const std::string& path, const char* suffix) {
    for (int number = 1; number <= kNameTries; ++number) {
      std::string name = path + suffix + (number == 1 ? std::string() : std::to_string(number));
      if (!Exists(name)) {
        return name;
      }
    }
    throw kes::Failure(kes::kErrFileAccess, "No free name beside " + path);
  }

  // Renames a file that is to be replaced to a free name, until Finish; an
  // undo renames it back, attributes and times unchanged.
  void SetAside(const std::string& path) {
    const std::string kept = FreeName(path, kKept);
    p_.transfer.Rename(path, kept);
    journal_.Add(kept, [this, path, kept] { p_.transfer.Rename(kept, path); });
    kept_.push_back(kept);
  }

  void MakeFolders(const std::string& folder) {
    for (const std::string& step : setupkit::FolderChain(p_.rule, folder)) {
      if (!Exists(step)) {
        p_.transfer.MakeFolder(step);
        journal_.Add(step, [this, step] { p_.files.RemoveFolder(step); });
      }
    }
  }

  // Copies every file under a temporary name beside its target.
  void Stage(const std::vector<Placement>& placements) {
    for (const Placement& placement : placements) {
      const std::string staged = FreeName(placement.target, kStaged);
      const auto undo = [this, staged] {
        if (!moved_.contains(staged)) {  // by then the name is free again
          RemoveQuietly(staged);
        }
      };
      if (placement.from.empty()) {
        journal_.Add(staged, undo);  // free a moment ago: what is there is this run's
        p_.store.WriteTextFile(staged, placement.text);
      } else {
        p_.transfer.Copy(placement.from, staged);  // fails on a name taken meanwhile
        journal_.Add(staged, undo);
        // The copy keeps the package's attributes; installed files are
        // ordinary ones, which a later install or uninstall can replace.
        p_.files.SetNormalAttributes(staged);
      }
      staged_.push_back(staged);
    }
  }

  // Puts the staged files in place, the replaced ones aside.
  void Swap(const std::vector<Placement>& placements) {
    for (std::size_t index = 0; index < placements.size(); ++index) {
      const std::string& target = placements[index].target;
      // The file it replaces goes aside as it is, attributes and all, so
      // that an undo puts it back unchanged; a folder of that name is not
      // moved, and the rename below fails on it.
      if (IsFile(target)) {
        SetAside(target);
      }
      p_.transfer.Rename(staged_[index], target);
      moved_.insert(staged_[index]);
      journal_.Add(target, [this, target] { RemoveQuietly(target); });
    }
  }

  void CreateShortcut(const std::string& folder) {
    const char* place = Subs::LibraryFolder(Subs::ShortcutPlace::kProgramMenu);
    const std::string file = platform::ResolveLinkFile(
        p_.rule, p_.shell, ::Subs::WindowsDirWithBackslash(p_.folders, p_.rule), place, kAppName);
    if (file.empty()) {
      throw kes::Failure(kes::kErrFileAccess,
                         ShortcutFailedMessage(std::string(kAppName) + ".LNK"));
    }
    // A shortcut an earlier install made goes aside first: the library then
    // writes a new file (the shell cannot save over a read-only one), and an
    // undo puts the old one back as it was, still pointing where it did.
    if (IsFile(file)) {
      SetAside(file);
    }
    // A throw means the library never ran; once it has, whatever stands at
    // the name is its work.
    const std::int32_t made =
        p_.links.CreateShellLink(place, kAppName, folder + "\\" + kViewer, "");
    journal_.Add(file, [this, file] {
      if (IsFile(file)) {  // not whatever else stands in its place
        RemoveQuietly(file);
      }
    });
    if (made == 0 || !IsFile(file)) {
      throw kes::Failure(kes::kErrFileAccess, ShortcutFailedMessage(file));
    }
  }

  void RegisterUninstall(const std::string& folder) {
    const std::string command =
        UninstallCommand(::Subs::WindowsDirWithBackslash(p_.folders, p_.rule), folder);
    platform::RegistryKey probe = 0;
    const bool existed =
        p_.registry.OpenKey(platform::kHkeyLocalMachine, kUninstallKey, platform::kKeyAccess,
                            probe) == platform::kErrorSuccess;
    if (existed) {
      p_.registry.CloseKey(probe);
    }
    const std::vector<std::pair<std::string, std::string>> values = {{"DisplayName", kAppName},
                                                                     {"UninstallString", command}};
    // An undo puts every value back as it was, and deletes those the run
    // added; a key the run made goes whole.
    std::vector<std::pair<std::string, std::optional<setupkit::StoredValue>>> before;
    if (existed) {
      for (const auto& [name, text] : values) {
        before.emplace_back(name, setupkit::MachineValue(p_.registry, kUninstallKey, name));
      }
    }
    journal_.Add(std::string(kMachine) + kUninstallKey, [this, existed, before] {
      if (!existed) {
        const std::int32_t result =
            p_.registry.DeleteKey(platform::kHkeyLocalMachine, kUninstallKey);
        if (result != platform::kErrorSuccess && result != platform::kErrorFileNotFound) {
          throw kes::Failure(kes::kErrFileAccess, RegistryFailedMessage(kUninstallKey));
        }
        return;
      }
      for (const auto& [name, value] : before) {
        Put(name, value);
      }
    });
    for (const auto& [name, text] : values) {
      const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.c_str());
      Put(name, setupkit::StoredValue{platform::kRegSz, {bytes, bytes + text.size() + 1}});
    }
  }

  // The files put aside go once everything else is done; one that will not
  // go now is harmless (a later install clears it away).
  void Finish() {
    for (const std::string& kept : kept_) {
      try {
        RemoveQuietly(kept);
      } catch (const std::exception&) {
      }
    }
  }

  std::vector<std::string> Undo() { return journal_.Undo(); }

 private:
  // Writes a value of the entry's key, or deletes it for nothing.
  void Put(const std::string& name, const std::optional<setupkit::StoredValue>& value) {
    platform::RegistryKey key = 0;
    std::int32_t result = p_.registry.CreateKey(platform::kHkeyLocalMachine, kUninstallKey,
                                                platform::kKeyAccess, key);
    if (result == platform::kErrorSuccess) {
      if (value) {
        result = p_.registry.SetValue(key, name, value->type, value->data.data(),
                                      static_cast<std::uint32_t>(value->data.size()));
      } else if (result = p_.registry.DeleteValue(key, name);
                 result == platform::kErrorFileNotFound) {
        result = platform::kErrorSuccess;
      }
      p_.registry.CloseKey(key);
    }
    if (result != platform::kErrorSuccess) {
      throw kes::Failure(kes::kErrFileAccess, RegistryFailedMessage(kUninstallKey));
    }
  }

  const SetupPlatform& p_;
  Journal journal_;
  std::vector<std::string> staged_;  // by placement
  std::set<std::string> moved_;      // staged names already put in place
  std::vector<std::string> kept_;
};

}  // namespace

Outcome Install(const std::string& source, const std::string& folder,
                const SetupPlatform& platform) {
  Installer installer(platform);
  std::vector<Placement> placements;
  placements.reserve(kProgramFiles.size() + 2);
  for (const char* name : kProgramFiles) {
    placements.push_back({folder + "\\" + name, source + "\\" + name, {}});
  }
  placements.push_back({folder + "\\" + kLogName, {}, LogText(folder)});
  const std::string uninstaller = source + "\\" + kUninstaller;
  try {
    for (const Placement& placement : placements) {
      if (!placement.from.empty() && !installer.Exists(placement.from)) {
        return {false, MissingSourceMessage(placement.from)};
      }
    }
    if (!installer.Exists(uninstaller)) {
      return {false, MissingSourceMessage(uninstaller)};
    }
    // The uninstaller in the Windows folder stays when it is newer, or when
    // its version cannot be compared.
    const std::string shared =
        ::Subs::WindowsDirWithBackslash(platform.folders, platform.rule) + kUninstaller;
    const bool sharedThere = installer.Exists(shared);
    const std::optional<std::uint64_t> there =
        sharedThere ? platform.transfer.FileVersion(shared) : std::nullopt;
    const std::optional<std::uint64_t> ours = platform.transfer.FileVersion(uninstaller);
    if (!sharedThere || (there && ours && *ours >= *there)) {
      placements.push_back({shared, uninstaller, {}});
    }
    // A file in use is found before anything changes.
    for (const Placement& placement : placements) {
      if (installer.Exists(placement.target)) {
        try {
          platform.transfer.CheckReplaceable(placement.target);
        } catch (const kes::Failure& failure) {
          if (failure.Number() == kes::kErrPermissionDenied) {
            return {false, InUseMessage(placement.target)};
          }
          throw;
        }
      }
    }
    installer.MakeFolders(folder);
    installer.Stage(placements);
    installer.Swap(placements);
    // The shortcut, which points at the new install, comes last: nothing
    // after it can fail and leave it pointing at files the undo took away.
    installer.RegisterUninstall(folder);
    installer.CreateShortcut(folder);
  } catch (const std::exception& failure) {
    const std::vector<std::string> stayed = installer.Undo();
    return {false, FailedMessage(failure.what(), stayed)};
  }
  installer.Finish();
  return {true, {}};
}

}  // namespace setup
