#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/failure.h"
#include "platform/file_name_rule.h"
#include "platform/file_store.h"
#include "platform/folder_files.h"
#include "platform/folder_identity.h"
#include "platform/message_box.h"
#include "platform/program_starter.h"
#include "platform/shell_links.h"
#include "platform/system_folders.h"
#include "settings/registry_api.h"
#include "settings/settings_store.h"
#include "tests/fakes/fake_registry.h"
#include "tests/fakes/recording_boxes.h"
#include "uninstall/subs.h"
#include "uninstall/uninstall_host.h"

namespace uninstall_test {

// Everything the uninstaller does to the outside world, in order.
using Events = std::vector<std::string>;

// Files in memory by full path, with attributes and content. Names compare
// without letter case, as on the system; folders exist where files lie in
// them; `shortNames` maps a short path, or a second name (a share, a mapped
// drive), to the long one it stands for, and folder identity goes by it.
class MemoryFolder final : public platform::FolderFiles,
                           public platform::FileStore,
                           public platform::FolderIdentity {
 public:
  struct File {
    std::uint32_t attributes = 0;
    std::string content;
  };
  explicit MemoryFolder(Events& events) : events_(events) {}

  std::vector<platform::FolderEntry> List(const std::string& pattern) override {
    std::vector<platform::FolderEntry> found;
    if (pattern.ends_with("\\*.*")) {
      const std::string folder = Key(Resolve(pattern.substr(0, pattern.size() - 3)));
      for (const auto& [path, file] : files) {
        if (Key(path).starts_with(folder) && path.find('\\', folder.size()) == std::string::npos) {
          found.push_back({path.substr(folder.size()), file.attributes});
        }
      }
      return found;
    }
    const std::string path = Resolve(pattern);
    if (const auto file = Find(path); file != files.end()) {
      found.push_back({file->first.substr(file->first.rfind('\\') + 1), file->second.attributes});
    } else if (const auto below = Below(path); below != files.end()) {
      found.push_back({below->first.substr(0, path.size()).substr(path.rfind('\\') + 1),
                       platform::kAttrDirectory});
    }
    return found;
  }
  std::optional<std::uint32_t> Attributes(const std::string& path) override {
    const std::vector<platform::FolderEntry> found = List(path);
    if (found.empty()) return std::nullopt;
    return found[0].attributes;
  }
  std::string ReadTextFile(const std::string& path) override {
    const auto file = Find(Resolve(path));
    if (file == files.end() || unreadable.count(Key(path)) != 0) {
      throw kes::Failure(75, "Path/File access error");
    }
    return file->second.content;
  }
  void SetNormalAttributes(const std::string& path) override {
    Find(Resolve(path))->second.attributes = 0;
    events_.push_back("normal " + path);
  }
  void RemoveFolder(const std::string& path) override {
    if (Below(Resolve(path)) != files.end()) throw kes::Failure(75, "Path/File access error");
    events_.push_back("rmdir " + path);
  }
  void WriteTextFile(const std::string& path, const std::string& text) override {
    files[path].content = text;
  }
  void RemoveFile(const std::string& path) override {
    const auto file = Find(Resolve(path));
    if (file == files.end()) throw kes::Failure(kes::kErrFileNotFound, "File not found");
    if ((file->second.attributes & platform::kAttrReadOnly) != 0 || inUse.count(Key(path)) != 0) {
      throw kes::Failure(kes::kErrPermissionDenied, "Permission denied");
    }
    events_.push_back("delete " + path);
    files.erase(file);
  }

  std::optional<bool> SameFolder(const std::string& folder, const std::string& other) override {
    if (unsure) return std::nullopt;
    const auto bare = [&](const std::string& path) {
      std::string key = Key(Resolve(path));
      if (key.ends_with("\\")) key.pop_back();
      return key;
    };
    return bare(folder) == bare(other);
  }

  std::map<std::string, File> files;
  std::map<std::string, std::string> shortNames;
  bool unsure = false;               // no folder's identity can be told
  std::set<std::string> unreadable;  // upper-case paths whose reading fails
  std::set<std::string> inUse;       // upper-case paths that refuse to go

 private:
  static std::string Key(const std::string& path) { return platform::FileNameRule().Folded(path); }
  std::string Resolve(const std::string& path) const {
    for (const auto& [shortPath, longPath] : shortNames) {
      const std::string key = Key(path);
      if (key == Key(shortPath) || key.starts_with(Key(shortPath) + "\\")) {
        return longPath + path.substr(shortPath.size());
      }
    }
    return path;
  }
  std::map<std::string, File>::iterator Find(const std::string& path) {
    for (auto file = files.begin(); file != files.end(); ++file) {
      if (Key(file->first) == Key(path)) return file;
    }
    return files.end();
  }
  std::map<std::string, File>::iterator Below(const std::string& path) {
    for (auto file = files.begin(); file != files.end(); ++file) {
      if (Key(file->first).starts_with(Key(path) + "\\")) return file;
    }
    return files.end();
  }

  Events& events_;
};

// Answers the Yes/No boxes with `answers` in turn, then with `answer`, and
// every other box with OK.
class AnsweringBoxes final : public platform::MessageBoxes {
 public:
  int Show(platform::WindowHandle, const std::string& text, const std::string& title,
           unsigned style) override {
    shown.push_back({text, title, style});
    if ((style & platform::kMbYesNo) == 0) return platform::kIdOk;
    if (answers.empty()) return answer;
    const int next = answers.front();
    answers.erase(answers.begin());
    return next;
  }
  int answer = platform::kIdYes;
  std::vector<int> answers;
  kes_test::Boxes shown;
};

// The shell-link library: removals are recorded among the other events, and
// fail for the folders in `failing` (the call cannot be made) or return 0
// for those in `refusing` (the file stayed). The uninstaller never creates
// a link.
class FakeLinks final : public platform::ShellLinks {
 public:
  explicit FakeLinks(Events& events) : events_(events) {}
  std::int32_t CreateShellLink(const std::string& folder, const std::string& name,
                               const std::string&, const std::string&) override {
    events_.push_back("create link [" + folder + "] " + name);
    return 1;
  }
  std::int32_t RemoveShellLink(const std::string& folder, const std::string& linkName) override {
    if (failing.count(folder) != 0) throw kes::Failure(53, "File not found");
    events_.push_back("link [" + folder + "] " + linkName);
    return refusing.count(folder) != 0 ? 0 : 1;
  }
  std::set<std::string> failing;
  std::set<std::string> refusing;

 private:
  Events& events_;
};

// Time that passes only while the program pauses; it wraps during a wait.
class FakeClock final : public platform::Clock {
 public:
  std::uint32_t Milliseconds() override { return now; }
  void Pause(std::uint32_t milliseconds) override {
    now += milliseconds;
    ++pauses;
  }
  std::uint32_t now = 0xFFFFF000;
  int pauses = 0;
};

class FakeStarter final : public platform::ProgramStarter {
 public:
  explicit FakeStarter(Events& events) : events_(events) {}
  void StartProgram(const std::string& commandLine, const std::string& currentFolder) override {
    if (fails) throw kes::Failure(53, "File not found");
    events_.push_back("start " + commandLine + " in " + currentFolder);
  }
  bool fails = false;

 private:
  Events& events_;
};

class FakeHost final : public kesclean::UninstallHost {
 public:
  explicit FakeHost(Events& events) : events_(events) {}
  void ShowUninstallWindow(const std::string& caption) override {
    events_.push_back("show " + caption);
  }
  void CloseUninstallWindow() override { events_.push_back("close"); }

 private:
  Events& events_;
};

class WindowsAt final : public platform::SystemFolders {
 public:
  std::string ProgramFolder() override { return programFolder; }
  std::uint32_t WindowsDirectory(std::span<char> buffer) override {
    const std::string windows = "C:\\WINDOWS";
    windows.copy(buffer.data(), buffer.size());
    return static_cast<std::uint32_t>(windows.size());
  }
  std::uint32_t SystemDirectory(std::span<char> buffer) override {
    const std::string system = "C:\\WINDOWS\\SYSTEM";
    system.copy(buffer.data(), buffer.size());
    return static_cast<std::uint32_t>(system.size());
  }
  std::string programFolder = "C:\\Kestrel";  // where kesclean runs from
};

// The uninstaller over fakes, with the settings key holding "Path".
struct Uninstall {
  Uninstall() { registry.AddKey(Subs::kSettingsKey); }
  void SetPath(const std::string& path) {
    registry.PutText(Subs::kSettingsKey, "Path", path + std::string(1, '\0'));
  }

  Events events;
  AnsweringBoxes boxes;
  Subs::ErrorReport report{boxes, "Program Error"};
  kes_test::FakeRegistry registry;
  RegistryAPI api{registry, report};
  WindowsAt folders;
  MemoryFolder disk{events};
  FakeLinks links{events};
  FakeStarter starter{events};
  FakeHost host{events};
  platform::FileNameRule rule;
  kesclean::Subs subs{{api, boxes, folders, disk, disk, disk, links, starter, rule, host}};
};

}  // namespace uninstall_test
