#include <gtest/gtest.h>

#include "setupkit/registry_text.h"
#include "setupkit/setup/setup_install.h"
#include "setupkit/setup/setup_plan.h"
#include "tests/fakes/uninstall_fakes.h"

namespace uninstall_test {
namespace {

const std::string kSource = "A:";
const std::string kFolder = "C:\\Program Files\\Kestrel";
const std::string kShortcut = "C:\\WINDOWS\\Start Menu\\Programs\\Kestrel.LNK";
const std::string kEntry = setup::kUninstallKey;

// Copies and renames in the memory folder; copies to a path in `failing`
// fail as a full disk does.
class MemoryTransfer final : public platform::FileTransfer {
 public:
  explicit MemoryTransfer(MemoryFolder& disk) : disk_(disk) {}
  void Copy(const std::string& from, const std::string& to) override {
    if (failing.count(to) != 0 || disk_.files.count(to) != 0) {
      throw kes::Failure(61, "Disk full");
    }
    disk_.files[to] = disk_.files.at(from);
  }
  void Rename(const std::string& from, const std::string& to) override {
    if (disk_.files.count(to) != 0) {
      throw kes::Failure(75, "exists");
    }
    disk_.files[to] = disk_.files.at(from);
    disk_.files.erase(from);
  }
  void MakeFolder(const std::string&) override {}
  void CheckReplaceable(const std::string& path) override {
    if (disk_.inUse.count(platform::FileNameRule().Folded(path)) != 0) {
      throw kes::Failure(kes::kErrPermissionDenied, "Permission denied");
    }
  }
  std::optional<std::uint64_t> FileVersion(const std::string& path) override {
    const auto file = disk_.files.find(path);
    if (file == disk_.files.end() || file->second.content.empty()) {
      return std::nullopt;
    }
    return std::stoull(file->second.content);
  }
  std::set<std::string> failing;

 private:
  MemoryFolder& disk_;
};

// The shell-link library, writing the link file into the memory folder.
class MemoryLinks final : public platform::ShellLinks {
 public:
  explicit MemoryLinks(MemoryFolder& disk) : disk_(disk) {}
  std::int32_t CreateShellLink(const std::string&, const std::string&, const std::string& path,
                               const std::string&) override {
    disk_.files[kShortcut] = {0, path};
    return 1;
  }
  std::int32_t RemoveShellLink(const std::string&, const std::string&) override {
    disk_.files.erase(kShortcut);
    return 1;
  }

 private:
  MemoryFolder& disk_;
};

struct Installing {
  Installing() {
    for (const char* name : setup::kProgramFiles) {
      disk.files[kSource + "\\" + name] = {0, ""};
    }
    disk.files[kSource + "\\ST5UNST.EXE"] = {0, "2"};
  }
  setup::Outcome Install() {
    return setup::Install(kSource, kFolder, {disk, disk, transfer, registry, links, folders});
  }
  std::map<std::string, std::string> Files() const {
    std::map<std::string, std::string> files;
    for (const auto& [path, file] : disk.files) {
      if (!path.starts_with(kSource)) {
        files[path] = file.content;
      }
    }
    return files;
  }

  Events events;
  MemoryFolder disk{events};
  MemoryTransfer transfer{disk};
  MemoryLinks links{disk};
  kes_test::FakeRegistry registry;
  WindowsAt folders;
  platform::FileNameRule rule;
};

TEST(SetupTest, CommandLines) {
  const struct {
    std::string arguments;
    bool understood, silent;
    std::string folder;
  } cases[] = {
      {"", true, false, ""},
      {"/S", true, true, ""},
      {" /s /D=C:\\My Apps\\Kestrel", true, true, "C:\\My Apps\\Kestrel"},
      {"/S /D=\"D:\\K\"", true, true, "D:\\K"},
      {"/S \"/D=D:\\K L\"", true, true, "D:\\K L"},
      {"/D=", false, false, ""},
      {"/Q", false, false, ""},
  };
  for (const auto& c : cases) {
    const auto line = setup::ParseCommandLine(c.arguments);
    ASSERT_EQ(line.has_value(), c.understood) << c.arguments;
    if (line) {
      EXPECT_EQ(line->silent, c.silent) << c.arguments;
      EXPECT_EQ(line->folder, c.folder) << c.arguments;
    }
  }
}

TEST(SetupTest, DefaultFolderFollowsProgramFilesDir) {
  const struct {
    std::optional<std::string> programFiles;
    std::string folder;
  } cases[] = {
      {"D:\\Programme", "D:\\Programme\\Kestrel"},
      {"E:\\", "E:\\Kestrel"},
      {"Programs", "C:\\Program Files\\Kestrel"},
      {std::nullopt, "C:\\Program Files\\Kestrel"},
  };
  for (const auto& c : cases) {
    kes_test::FakeRegistry registry;
    if (c.programFiles) {
      registry.PutText("Software\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir",
                       *c.programFiles);
    }
    EXPECT_EQ(setup::DefaultFolder(registry), c.folder);
  }
}

TEST(SetupTest, RefusedFolders) {
  const struct {
    std::string text;
    setup::Refusal refusal;
  } cases[] = {
      {"C:\\Program Files\\Kestrel", setup::Refusal::kNone},
      {"C:\\PROGRA~1\\Old", setup::Refusal::kNone},
      {"Kestrel", setup::Refusal::kNotFullPath},
      {"C:\\", setup::Refusal::kRoot},
      {"\\\\server\\share\\", setup::Refusal::kRoot},
      {"c:\\windows", setup::Refusal::kWindows},
      {"C:\\Windows\\System\\", setup::Refusal::kSystem},
      {"C:\\Other", setup::Refusal::kForeignLog},
      {"C:\\Unread", setup::Refusal::kForeignLog},
  };
  for (const auto& c : cases) {
    Installing s;
    s.disk.shortNames["C:\\PROGRA~1"] = "C:\\Program Files";
    s.disk.files["C:\\Program Files\\Old\\ST5UNST.LOG"] = {
        0, "PrivateFile: \"C:\\PROGRA~1\\OLD\\KESVIEW.EXE\"\r\n"};
    s.disk.files["C:\\Other\\ST5UNST.LOG"] = {
        0, "PrivateFile: \"C:\\Other\\kesview.exe\"\r\nPrivateFile: \"C:\\Other\\other.exe\"\r\n"};
    s.disk.files["C:\\Unread\\ST5UNST.LOG"] = {0, ""};
    s.disk.unreadable.insert("C:\\UNREAD\\ST5UNST.LOG");
    EXPECT_EQ(setup::ChooseFolder(c.text, s.disk, s.rule, s.folders).refusal, c.refusal) << c.text;
  }
}

TEST(SetupTest, ACleanInstall) {
  Installing s;
  ASSERT_TRUE(s.Install().installed);
  std::map<std::string, std::string> expected = {
      {kFolder + "\\ST5UNST.LOG", setup::LogText(kFolder)},
      {"C:\\WINDOWS\\ST5UNST.EXE", "2"},
      {kShortcut, kFolder + "\\kesview.exe"}};
  for (const char* name : setup::kProgramFiles) {
    expected[kFolder + "\\" + name] = "";
  }
  EXPECT_EQ(s.Files(), expected);
  EXPECT_EQ(setup::LogText("D:\\K").substr(setup::LogText("D:\\K").find("PrivateFile")),
            "PrivateFile: \"D:\\K\\kesview.exe\"\r\nPrivateFile: \"D:\\K\\kesclean.exe\"\r\n"
            "PrivateFile: \"D:\\K\\kesreport.exe\"\r\nPrivateFile: \"D:\\K\\keslink.dll\"\r\n"
            "PrivateFile: \"D:\\K\\index.htm\"\r\nPrivateFile: \"D:\\K\\options.htm\"\r\n"
            "PrivateFile: \"D:\\K\\contact.htm\"\r\nShortcut: \"Kestrel\"\r\n"
            "SettingsKey: \"Kestrel\"\r\nUninstallKey: \"Kestrel\"\r\n");
  EXPECT_EQ(setupkit::MachineText(s.registry, kEntry, "DisplayName"), "Kestrel");
  EXPECT_EQ(setupkit::MachineText(s.registry, kEntry, "UninstallString"),
            "\"C:\\WINDOWS\\ST5UNST.EXE\" -n \"C:\\Program Files\\Kestrel\\ST5UNST.LOG\"");
}

// Each run fails at a different point over an earlier install with a newer
// uninstaller in the Windows folder; afterwards everything is as it was.
TEST(SetupTest, AFailureLeavesEverythingAsItWas) {
  const struct {
    std::string missing, inUse, failing;
    std::string message;
  } cases[] = {
      {kSource + "\\contact.htm", "", "",
       "A file of Kestrel's package is missing:\nA:\\contact.htm"},
      {"", kFolder + "\\kesview.exe", "",
       "This file is in use and cannot be replaced:\n" + kFolder},
      {"", "", kFolder + "\\options.htm.NEW", "Setup could not finish:\nDisk full"},
  };
  for (const auto& c : cases) {
    Installing s;
    s.disk.files[kFolder + "\\kesview.exe"] = {0, "old viewer"};
    s.disk.files[kFolder + "\\mine.txt"] = {0, "the user's"};
    s.disk.files["C:\\WINDOWS\\ST5UNST.EXE"] = {0, "3"};
    s.registry.PutText(kEntry, "DisplayName", "Kestrel 0.9");
    const auto before = s.Files();
    s.disk.files.erase(c.missing);
    if (!c.inUse.empty()) {
      s.disk.inUse.insert(s.rule.Folded(c.inUse));
    }
    s.transfer.failing.insert(c.failing);
    const setup::Outcome outcome = s.Install();
    EXPECT_FALSE(outcome.installed);
    EXPECT_EQ(outcome.message.rfind(c.message, 0), 0u) << outcome.message;
    EXPECT_EQ(s.Files(), before) << c.message;
    EXPECT_EQ(s.registry.Get(kEntry, "UninstallString"), std::nullopt);
    EXPECT_EQ(setupkit::MachineText(s.registry, kEntry, "DisplayName"), "Kestrel 0.9");
  }
}

}  // namespace
}  // namespace uninstall_test
