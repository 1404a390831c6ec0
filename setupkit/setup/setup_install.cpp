#include "setupkit/setup/setup_install.h"

#include <exception>
#include <functional>
#include <optional>
#include <vector>

#include "platform/failure.h"
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

// What this run changed, undone last change first.
class Journal {
 public:
  void Add(std::function<void()> undo) { undo_.push_back(std::move(undo)); }
  void Undo() {
    for (auto step = undo_.rbegin(); step != undo_.rend(); ++step) {
      try {
        (*step)();
      } catch (const std::exception&) {
        // The other steps still run; what stays is what could not be undone.
      }
    }
    undo_.clear();
  }

 private:
  std::vector<std::function<void()>> undo_;
};

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

  void RemoveQuietly(const std::string& path) {
    try {
      p_.store.RemoveFile(path);
    } catch (const kes::Failure& failure) {
      if (failure.Number() != kes::kErrFileNotFound) {
        throw;
      }
    }
  }

  void MakeFolders(const std::string& folder) {
    for (const std::string& step : setupkit::FolderChain(p_.rule, folder)) {
      if (!Exists(step)) {
        p_.transfer.MakeFolder(step);
        journal_.Add([this, step] { p_.files.RemoveFolder(step); });
      }
    }
  }

  // Copies every file under its temporary name beside its target.
  void Stage(const std::vector<Placement>& placements) {
    for (const Placement& placement : placements) {
      const std::string staged = placement.target + kStaged;
      RemoveQuietly(staged);  // left by a run that was cut off
      journal_.Add([this, staged] { RemoveQuietly(staged); });
      if (placement.from.empty()) {
        p_.store.WriteTextFile(staged, placement.text);
      } else {
        p_.transfer.Copy(placement.from, staged);
      }
    }
  }

  // Puts the staged files in place, the replaced ones aside.
  void Swap(const std::vector<Placement>& placements) {
    for (const Placement& placement : placements) {
      const std::string& target = placement.target;
      const std::string kept = target + kKept;
      if (Exists(target)) {
        RemoveQuietly(kept);
        p_.files.SetNormalAttributes(target);
        p_.transfer.Rename(target, kept);
        journal_.Add([this, target, kept] { p_.transfer.Rename(kept, target); });
        kept_.push_back(kept);
      }
      p_.transfer.Rename(target + kStaged, target);
      journal_.Add([this, target] { RemoveQuietly(target); });
    }
  }

  void CreateShortcut(const std::string& folder) {
    const Subs::ShortcutPlaceInfo& place = Subs::PlaceInfo(Subs::ShortcutPlace::kProgramMenu);
    const std::string file = ::Subs::WindowsDirWithBackslash(p_.folders, p_.rule) +
                             place.testFolder + "\\" + kAppName + ".LNK";
    const bool existed = IsFile(file);
    p_.links.CreateShellLink(place.libraryFolder, kAppName, folder + "\\" + kViewer, "");
    if (!existed) {
      journal_.Add([this, &place] { p_.links.RemoveShellLink(place.libraryFolder, kAppName); });
    }
    if (!IsFile(file)) {
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
    std::vector<std::pair<std::string, std::optional<std::string>>> before;
    if (existed) {
      for (const auto& [name, text] : values) {
        before.emplace_back(name, setupkit::MachineText(p_.registry, kUninstallKey, name));
      }
    }
    journal_.Add([this, existed, before] {
      if (!existed) {
        p_.registry.DeleteKey(platform::kHkeyLocalMachine, kUninstallKey);
        return;
      }
      for (const auto& [name, data] : before) {
        if (data) {
          Write(name, *data);
        }
      }
    });
    for (const auto& [name, text] : values) {
      Write(name, text);
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

  void Undo() { journal_.Undo(); }

 private:
  // A text value, written with its NUL.
  void Write(const std::string& name, const std::string& text) {
    platform::RegistryKey key = 0;
    std::int32_t result = p_.registry.CreateKey(platform::kHkeyLocalMachine, kUninstallKey,
                                                platform::kKeyAccess, key);
    if (result == platform::kErrorSuccess) {
      result = p_.registry.SetValue(key, name, platform::kRegSz,
                                    reinterpret_cast<const std::uint8_t*>(text.c_str()),
                                    static_cast<std::uint32_t>(text.size() + 1));
      p_.registry.CloseKey(key);
    }
    if (result != platform::kErrorSuccess) {
      throw kes::Failure(kes::kErrFileAccess, RegistryFailedMessage(kUninstallKey));
    }
  }

  const SetupPlatform& p_;
  Journal journal_;
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
    // The uninstaller in the Windows folder stays when it is newer.
    const std::string shared =
        ::Subs::WindowsDirWithBackslash(platform.folders, platform.rule) + kUninstaller;
    const std::optional<std::uint64_t> there =
        installer.Exists(shared) ? platform.transfer.FileVersion(shared) : std::nullopt;
    const std::optional<std::uint64_t> ours = platform.transfer.FileVersion(uninstaller);
    if (!there || (ours && *ours >= *there)) {
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
    installer.CreateShortcut(folder);
    installer.RegisterUninstall(folder);
  } catch (const std::exception& failure) {
    installer.Undo();
    return {false, FailedMessage(failure.what())};
  }
  installer.Finish();
  return {true, {}};
}

}  // namespace setup
