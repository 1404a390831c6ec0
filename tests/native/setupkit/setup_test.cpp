#include <gtest/gtest.h>

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
    disk.unreadable.insert("C:\\UNREAD\\ST5UNST.LOG");
    EXPECT_EQ(setup::ChooseFolder(c.text, disk, rule, folders).refusal, c.refusal) << c.text;
  }
}

}  // namespace
}  // namespace uninstall_test
