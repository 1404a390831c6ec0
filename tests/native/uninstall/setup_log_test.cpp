// One setup log, read by setup's folder check, ST5UNST and kesclean alike.
#include <gtest/gtest.h>

#include "setupkit/setup/setup_plan.h"
#include "setupkit/st5unst/st5unst_removal.h"
#include "tests/fakes/fake_shell_places.h"
#include "tests/fakes/uninstall_fakes.h"

namespace uninstall_test {
namespace {

const std::string kLog = "C:\\K\\ST5UNST.LOG";

void Arrange(MemoryFolder& disk, const std::string& log) {
  disk.files = {{"C:\\K\\kesview.exe", {}}, {"C:\\K\\index.htm", {}}, {kLog, {0, log}}};
}

TEST(SetupLogTest, OneReadingForSetupSt5unstAndKesclean) {
  const std::string viewer = "PrivateFile: \"C:\\K\\kesview.exe\"\r\n";
  const std::string index = "PrivateFile: \"C:\\K\\index.htm\"\r\n";
  const struct {
    std::string log;
    bool kestrels;  // setup installs there, kesclean sweeps it
    int st5unst;    // its exit status; the log stays unless 0
  } cases[] = {
      {setup::LogText("C:\\K"), true, 0},
      {"; notes\r\nSharedFile: \"C:\\WINDOWS\\x.dll\"\r\nFile: a\r\n" + viewer + index, true, 0},
      {"PrivateFile: C:\\K\\kesview.exe\r\n", false, 1},           // unquoted
      {"PrivateFile: \"kesview.exe\"\r\n" + viewer, false, 1},     // relative
      {"PrivateFile:\r\n" + viewer, false, 1},                     // empty entry
      {viewer + "PrivateFile: \"C:\\K\\index.htm\r\n", false, 1},  // stray quote
      {"", false, 0},                                              // names nothing
      {"PrivateFile: \"C:\\K\\webtool.exe\"\r\nPrivateFile: \"C:\\K\\index.htm\"\r\n", false, 0},
  };
  for (const auto& c : cases) {
    Events events;
    MemoryFolder disk(events);
    Arrange(disk, c.log);
    platform::FileNameRule rule;
    WindowsAt folders;
    EXPECT_EQ(setup::ChooseFolder("C:\\K", disk, disk, rule, folders).refusal,
              c.kestrels ? setup::Refusal::kNone : setup::Refusal::kForeignLog)
        << c.log;

    FakeClock clock;
    AnsweringBoxes boxes;
    kes_test::FakeRegistry registry;
    kes_test::SilentShell shell;
    EXPECT_EQ(st5unst::RemoveLoggedFiles(
                  "-n " + kLog, {disk, disk, rule, folders, clock, boxes, registry, disk, shell}),
              c.st5unst)
        << c.log;
    EXPECT_EQ(disk.files.count(kLog), c.st5unst == 0 ? 0u : 1u) << c.log;

    Uninstall u;
    Arrange(u.disk, c.log);
    u.SetPath("C:\\K\\kesview.exe");
    u.subs.Main();
    EXPECT_EQ(u.events.back().starts_with("start "), c.kestrels) << c.log;
  }
}

// The Windows and the System folder under a second name (a share, a mapped
// or SUBST drive) are refused by all three, as is a folder whose identity
// cannot be told; Kestrel's own folder through a mapped drive is not.
TEST(SystemFolderIdentityTest, ASecondNameIsTheSameFolderToSetupSt5unstAndKesclean) {
  const struct {
    std::string folder, drive, leadsTo, real;
    bool unsure, refused;
  } cases[] = {
      {"\\\\MACHINE\\C$\\WINDOWS", "\\\\MACHINE\\C$", "C:", "C:\\WINDOWS", false, true},
      {"W:\\WINDOWS", "W:", "C:", "C:\\WINDOWS", false, true},
      {"S:\\SYSTEM", "S:", "C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM", false, true},
      {"W:\\Program Files\\Kestrel", "W:", "C:", "C:\\Program Files\\Kestrel", false, false},
      {"W:\\Program Files\\Kestrel", "W:", "C:", "C:\\Program Files\\Kestrel", true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.folder);
    const auto arrange = [&](MemoryFolder& disk) {
      disk.files = {
          {"C:\\WINDOWS\\SYSTEM\\USER.EXE", {}},
          {c.real + "\\kesview.exe", {}},
          {c.real + "\\WIN.INI", {}},
          {c.real + "\\ST5UNST.LOG", {0, "PrivateFile: \"" + c.folder + "\\kesview.exe\"\r\n"}}};
      disk.shortNames[c.drive] = c.leadsTo;
      disk.unsure = c.unsure;
    };
    Events events;
    MemoryFolder disk(events);
    arrange(disk);
    platform::FileNameRule rule;
    WindowsAt folders;
    EXPECT_EQ(
        setup::ChooseFolder(c.folder, disk, disk, rule, folders).refusal != setup::Refusal::kNone,
        c.refused);

    FakeClock clock;
    AnsweringBoxes boxes;
    kes_test::FakeRegistry registry;
    kes_test::SilentShell shell;
    st5unst::RemoveLoggedFiles("-n \"" + c.folder + "\\ST5UNST.LOG\"",
                               {disk, disk, rule, folders, clock, boxes, registry, disk, shell});
    EXPECT_EQ(disk.files.count(c.real + "\\kesview.exe"), c.refused ? 1u : 0u);

    Uninstall u;
    arrange(u.disk);
    u.SetPath(c.folder + "\\kesview.exe");
    u.subs.Main();
    EXPECT_EQ(u.disk.files.count(c.real + "\\WIN.INI"), c.refused ? 1u : 0u);
  }
}

}  // namespace
}  // namespace uninstall_test
