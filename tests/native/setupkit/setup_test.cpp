#include <gtest/gtest.h>

#include "platform/file_transfer.h"
#include "setupkit/setup/setup_install.h"
#include "setupkit/setup/setup_plan.h"
#include "tests/fakes/uninstall_fakes.h"

namespace uninstall_test {
namespace {

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
    EXPECT_EQ(setup::DefaultFolder(registry, platform::FileNameRule()), c.folder);
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
      {"C:\\My Pages", setup::Refusal::kHoldsOthersFile},
      {"C:\\Web", setup::Refusal::kHoldsOthersFile},  // its log does not list index.htm
  };
  for (const auto& c : cases) {
    Events events;
    MemoryFolder disk{events};
    platform::FileNameRule rule;
    WindowsAt folders;
    disk.shortNames["C:\\PROGRA~1"] = "C:\\Program Files";
    disk.files["C:\\Program Files\\Old\\ST5UNST.LOG"] = {
        0, "PrivateFile: \"C:\\PROGRA~1\\OLD\\KESVIEW.EXE\"\r\n"};
    disk.files["C:\\Other\\ST5UNST.LOG"] = {
        0, "PrivateFile: \"C:\\Other\\kesview.exe\"\r\nPrivateFile: \"C:\\Other\\other.exe\"\r\n"};
    disk.files["C:\\Unread\\ST5UNST.LOG"] = {0, ""};
    disk.files["C:\\My Pages\\index.htm"] = {0, "mine"};
    disk.files["C:\\Web\\ST5UNST.LOG"] = {0, "PrivateFile: \"C:\\Web\\kesview.exe\"\r\n"};
    disk.files["C:\\Web\\index.htm"] = {0, "mine"};
    disk.unreadable.insert("C:\\UNREAD\\ST5UNST.LOG");
    EXPECT_EQ(setup::ChooseFolder(c.text, disk, disk, rule, folders).refusal, c.refusal) << c.text;
  }
}

// Copies and renames within the memory disk; FileVersion from `versions`.
class MemoryTransfer final : public platform::FileTransfer {
 public:
  explicit MemoryTransfer(MemoryFolder& disk) : disk_(disk) {}
  void Copy(const std::string& from, const std::string& to) override {
    if (disk_.Attributes(to)) throw kes::Failure(58, "File already exists");
    disk_.files[to] = disk_.files.at(from);
  }
  void Rename(const std::string& from, const std::string& to) override {
    if (disk_.Attributes(to) || disk_.files.count(from) == 0) throw kes::Failure(58, "Refused");
    disk_.files[to] = disk_.files.at(from);
    disk_.files.erase(from);
  }
  void MakeFolder(const std::string&) override {}
  void CheckReplaceable(const std::string&) override {}
  std::optional<std::uint64_t> FileVersion(const std::string& path) override {
    const auto version = versions.find(path);
    return version == versions.end() ? std::nullopt : std::optional(version->second);
  }
  std::map<std::string, std::uint64_t> versions;

 private:
  MemoryFolder& disk_;
};

const std::string kLink = "C:\\WINDOWS\\Start Menu\\Programs\\Kestrel.LNK";

// The library writes the shortcut as the shell's link object does: it
// cannot save over a read-only file, and one that cannot load throws.
class MemoryLinks final : public platform::ShellLinks {
 public:
  explicit MemoryLinks(MemoryFolder& disk) : disk_(disk) {}
  std::int32_t CreateShellLink(const std::string&, const std::string&, const std::string& path,
                               const std::string&) override {
    if (missing) throw kes::Failure(48, "Error in loading DLL");
    const auto attributes = disk_.Attributes(kLink);
    if (attributes && (*attributes & platform::kAttrReadOnly) != 0) return 0;
    disk_.files[kLink] = {0, path};
    return 1;
  }
  std::int32_t RemoveShellLink(const std::string&, const std::string&) override { return 0; }
  bool missing = false;

 private:
  MemoryFolder& disk_;
};

TEST(SetupTest, InstallChangesOnlyWhatItMadeOrReplacesAndUndoesExactly) {
  const std::string folder = "C:\\My Pages";
  const std::string windowsUninstaller = "C:\\WINDOWS\\ST5UNST.EXE";
  const struct {
    const char* what;
    std::map<std::string, MemoryFolder::File> before;  // besides the package
    bool libraryMissing;
    bool installed;
    std::map<std::string, std::string> after;  // attributes and content, or "gone"
  } cases[] = {
      {"a user's file of a staging name stays",
       {{folder + "\\index.htm.NEW", {0, "mine"}},
        {windowsUninstaller, {0, "older"}},
        {windowsUninstaller + ".NEW", {0, "mine"}},
        {windowsUninstaller + ".OLD", {0, "mine"}}},
       false,
       true,
       {{folder + "\\index.htm.NEW", "0 mine"},
        {folder + "\\index.htm", "0 index.htm"},
        {windowsUninstaller, "0 ST5UNST.EXE"},
        {windowsUninstaller + ".NEW", "0 mine"},
        {windowsUninstaller + ".OLD", "0 mine"}}},
      {"a read-only shortcut of an earlier install is replaced",
       {{kLink, {platform::kAttrReadOnly, "C:\\Old\\kesview.exe"}}},
       false,
       true,
       {{kLink, "0 " + folder + "\\kesview.exe"}}},
      {"a library that does not load leaves the shortcut exactly as it was",
       {{kLink, {platform::kAttrReadOnly | platform::kAttrHidden, "C:\\Old\\kesview.exe"}}},
       true,
       false,
       {{kLink, "3 C:\\Old\\kesview.exe"}, {folder + "\\kesview.exe", "gone"}}},
      {"an uninstaller without a version is kept",
       {{windowsUninstaller, {0, "unversioned"}}},
       false,
       true,
       {{windowsUninstaller, "0 unversioned"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Events events;
    MemoryFolder disk{events};
    for (const char* name : setup::kProgramFiles) {
      disk.files[std::string("C:\\PKG\\") + name] = {platform::kAttrReadOnly, name};
    }
    disk.files["C:\\PKG\\ST5UNST.EXE"] = {0, "ST5UNST.EXE"};
    for (const auto& [path, file] : c.before) disk.files[path] = file;
    MemoryTransfer transfer(disk);
    transfer.versions["C:\\PKG\\ST5UNST.EXE"] = 0x0001000000000000;
    if (const auto there = c.before.find(windowsUninstaller);
        there != c.before.end() && there->second.content == "older") {
      transfer.versions[windowsUninstaller] = 0x0000000100000000;
    }
    kes_test::FakeRegistry registry;
    MemoryLinks links(disk);
    links.missing = c.libraryMissing;
    WindowsAt folders;
    const platform::FileNameRule rule;
    const setup::Outcome outcome =
        setup::Install("C:\\PKG", folder, {disk, disk, transfer, registry, links, folders, rule});
    EXPECT_EQ(outcome.installed, c.installed) << outcome.message;
    for (const auto& [path, expected] : c.after) {
      const auto file = disk.files.find(path);
      EXPECT_EQ(file == disk.files.end()
                    ? "gone"
                    : std::to_string(file->second.attributes) + " " + file->second.content,
                expected)
          << path;
    }
  }
}

}  // namespace
}  // namespace uninstall_test
