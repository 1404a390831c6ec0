#include <gtest/gtest.h>

#include "platform/file_transfer.h"
#include "setupkit/setup/setup_install.h"
#include "setupkit/setup/setup_plan.h"
#include "tests/fakes/fake_shell_places.h"
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

const std::string kLink = "C:\\WINDOWS\\Start Menu\\Programs\\Kestrel.LNK";

// An install's copies, renames and shortcut on the memory disk. The library,
// like the shell's link object, cannot save over a read-only file; one that
// does not load throws. The package's uninstaller is newer than an "older".
struct MemoryInstall final : platform::FileTransfer, platform::ShellLinks {
  explicit MemoryInstall(MemoryFolder& on) : disk(on) {}
  void Copy(const std::string& from, const std::string& to) override { Put(from, to, false); }
  void Rename(const std::string& from, const std::string& to) override { Put(from, to, true); }
  void Put(const std::string& from, const std::string& to, bool move) {
    if (disk.Attributes(to)) throw kes::Failure(58, "File already exists");
    disk.files[to] = disk.files.at(from);
    if (move) disk.files.erase(from);
  }
  void MakeFolder(const std::string&) override {}
  void CheckReplaceable(const std::string&) override {}
  std::optional<std::uint64_t> FileVersion(const std::string& path) override {
    const std::string& content = disk.files.at(path).content;
    if (content == "older") return 1;
    return content == "ST5UNST.EXE" ? std::optional<std::uint64_t>(2) : std::nullopt;
  }
  std::int32_t CreateShellLink(const std::string&, const std::string&, const std::string& path,
                               const std::string&) override {
    if (missing) throw kes::Failure(48, "Error in loading DLL");
    if ((disk.Attributes(kLink).value_or(0) & platform::kAttrReadOnly) != 0) return 0;
    disk.files[kLink] = {0, path};
    return 1;
  }
  std::int32_t RemoveShellLink(const std::string&, const std::string&) override { return 0; }
  MemoryFolder& disk;
  bool missing = false;
};

TEST(SetupTest, InstallTouchesOnlyWhatItMadeOrSetAsideAndUndoesExactly) {
  const std::string my = "C:\\My Pages\\", win = "C:\\WINDOWS\\ST5UNST.EXE";
  const struct {
    const char* what;
    std::map<std::string, MemoryFolder::File> before;  // besides the package
    bool missing;                              // the library does not load: nothing is installed
    std::map<std::string, std::string> after;  // attributes and content, or "gone"
  } cases[] = {
      {"the user's files of staging names stay",
       {{my + "index.htm.NEW", {0, "mine"}},
        {win, {0, "older"}},
        {win + ".NEW", {0, "mine"}},
        {win + ".OLD", {0, "mine"}}},
       false,
       {{my + "index.htm.NEW", "0 mine"},
        {my + "index.htm", "0 index.htm"},
        {win, "0 ST5UNST.EXE"},
        {win + ".NEW", "0 mine"},
        {win + ".OLD", "0 mine"}}},
      {"a read-only shortcut is replaced",
       {{kLink, {1, "C:\\Old"}}},
       false,
       {{kLink, "0 " + my + "kesview.exe"}}},
      {"a library that does not load leaves the shortcut as it was",
       {{kLink, {3, "C:\\Old"}}},
       true,
       {{kLink, "3 C:\\Old"}, {my + "kesview.exe", "gone"}}},
      {"an uninstaller without a version stays",
       {{win, {0, "unversioned"}}},
       false,
       {{win, "0 unversioned"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Events events;
    MemoryFolder disk{events};
    for (const char* name : setup::kProgramFiles)
      disk.files["C:\\PKG\\" + std::string(name)] = {1, name};
    disk.files["C:\\PKG\\ST5UNST.EXE"] = {0, "ST5UNST.EXE"};
    disk.files.insert(c.before.begin(), c.before.end());
    MemoryInstall install{disk};
    install.missing = c.missing;
    kes_test::FakeRegistry registry;
    WindowsAt folders;
    const platform::FileNameRule rule;
    kes_test::SilentShell shell;
    EXPECT_EQ(setup::Install("C:\\PKG", "C:\\My Pages",
                             {disk, disk, install, registry, install, folders, rule, shell})
                  .installed,
              !c.missing);
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
