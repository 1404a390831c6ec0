#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/failure.h"
#include "platform/file_store.h"
#include "platform/folder_files.h"
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

// One folder in memory: files by full path with attributes and content;
// listing gives the names directly inside a folder, subfolders included.
class MemoryFolder final : public platform::FolderFiles, public platform::FileStore {
 public:
  struct File {
    std::uint32_t attributes = 0;
    std::string content;
  };
  explicit MemoryFolder(Events& events) : events_(events) {}

  std::vector<platform::FolderEntry> List(const std::string& pattern) override {
    const std::string folder = pattern.substr(0, pattern.size() - 3);  // without "*.*"
    std::vector<platform::FolderEntry> found;
    for (const auto& [path, file] : files) {
      if (path.compare(0, folder.size(), folder) == 0 &&
          path.find('\\', folder.size()) == std::string::npos) {
        found.push_back({path.substr(folder.size()), file.attributes});
      }
    }
    return found;
  }
  std::optional<std::uint32_t> Attributes(const std::string& path) override {
    const auto file = files.find(path);
    if (file == files.end()) return std::nullopt;
    return file->second.attributes;
  }
  std::string ReadTextFile(const std::string& path) override {
    const auto file = files.find(path);
    if (file == files.end()) throw kes::Failure(75, "Path/File access error");
    return file->second.content;
  }
  void SetNormalAttributes(const std::string& path) override {
    files.at(path).attributes = 0;
    events_.push_back("normal " + path);
  }
  void WriteTextFile(const std::string& path, const std::string& text) override {
    files[path].content = text;
  }
  void RemoveFile(const std::string& path) override {
    if (files.at(path).attributes & platform::kAttrReadOnly) throw kes::Failure(70, "denied");
    files.erase(path);
    events_.push_back("delete " + path);
  }

  std::map<std::string, File> files;

 private:
  Events& events_;
};

// Answers the confirmation with `answer` and every other box with OK.
class AnsweringBoxes final : public platform::MessageBoxes {
 public:
  int Show(platform::WindowHandle, const std::string& text, const std::string& title,
           unsigned style) override {
    shown.push_back({text, title, style});
    return (style & platform::kMbYesNo) != 0 ? answer : platform::kIdOk;
  }
  int answer = platform::kIdYes;
  kes_test::Boxes shown;
};

// The shell-link library: removals are recorded among the other events, and
// fail for the folders in `failing`. The uninstaller never creates a link.
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
    return 1;
  }
  std::set<std::string> failing;

 private:
  Events& events_;
};

class FakeStarter final : public platform::ProgramStarter {
 public:
  explicit FakeStarter(Events& events) : events_(events) {}
  void StartProgram(const std::string& commandLine) override {
    events_.push_back("start " + commandLine);
  }

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
  std::string ProgramFolder() override { return "C:\\Kestrel"; }
  std::uint32_t WindowsDirectory(std::span<char> buffer) override {
    const std::string windows = "C:\\WINDOWS";
    windows.copy(buffer.data(), buffer.size());
    return static_cast<std::uint32_t>(windows.size());
  }
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
  kesclean::Subs subs{{api, boxes, folders, disk, disk, links, starter, host}};
};

}  // namespace uninstall_test
