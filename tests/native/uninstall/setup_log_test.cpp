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
  const struct {
    std::string log;
    bool kestrels;  // setup installs there, kesclean sweeps it
    int st5unst;    // its exit status; the log stays unless 0
  } cases[] = {
      {setup::LogText("C:\\K"), true, 0},
      {"; notes\r\nSharedFile: \"C:\\WINDOWS\\x.dll\"\r\nFile: a\r\n" + viewer, true, 0},
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
    EXPECT_EQ(setup::ChooseFolder("C:\\K", disk, rule, folders).refusal,
              c.kestrels ? setup::Refusal::kNone : setup::Refusal::kForeignLog)
        << c.log;

    FakeClock clock;
    AnsweringBoxes boxes;
    kes_test::FakeRegistry registry;
    kes_test::SilentShell shell;
    EXPECT_EQ(st5unst::RemoveLoggedFiles(
                  "-n " + kLog, {disk, disk, rule, folders, clock, boxes, registry, shell}),
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

}  // namespace
}  // namespace uninstall_test
