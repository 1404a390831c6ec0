#include "setupkit/st5unst/st5unst_removal.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_shell_places.h"
#include "tests/fakes/uninstall_fakes.h"

namespace uninstall_test {
namespace {

const std::string kFolder = "C:\\Program Files\\Kestrel\\";
const std::string kLog = kFolder + "ST5UNST.LOG";
const std::string kArguments = "-n \"" + kLog + "\"";

struct Removal {
  Removal() {
    disk.files = {
        {kFolder + "kesview.exe", {platform::kAttrReadOnly, ""}},
        {kFolder + "sub\\a.dll", {}},
        {kFolder + "IO.SYS", {platform::kAttrSystem, ""}},
        {kFolder + "hidden.dat", {platform::kAttrHidden, ""}},
        {kFolder + "data\\keep.txt", {}},
        {"C:\\Program Files\\other.txt", {}},
        {"C:\\AUTOEXEC.BAT", {}},
    };
    disk.shortNames["C:\\PROGRA~1"] = "C:\\Program Files";
  }
  int Run(const std::string& log, const std::string& arguments = kArguments) {
    disk.files[kLog] = {0, log};
    return st5unst::RemoveLoggedFiles(arguments,
                                      {disk, disk, rule, folders, clock, boxes, registry, shell});
  }
  std::vector<std::string> Gone(const std::set<std::string>& before) const {
    std::vector<std::string> gone;
    for (const std::string& path : before) {
      if (disk.files.count(path) == 0) {
        gone.push_back(path);
      }
    }
    return gone;
  }
  std::set<std::string> Paths() const {
    std::set<std::string> paths;
    for (const auto& [path, file] : disk.files) {
      paths.insert(path);
    }
    return paths;
  }

  Events events;
  MemoryFolder disk{events};
  platform::FileNameRule rule;
  WindowsAt folders;
  FakeClock clock;
  AnsweringBoxes boxes;
  kes_test::FakeRegistry registry;
  kes_test::SilentShell shell;
};

TEST(St5unstRemovalTest, OnlyOrdinaryFilesAtOrBelowTheLogsFolderGo) {
  const struct {
    std::string entry;
    std::vector<std::string> gone;  // besides the log, which goes when nothing stays
    int status;
  } cases[] = {
      {kFolder + "kesview.exe", {kFolder + "kesview.exe"}, 0},
      {"C:\\PROGRA~1\\kestrel\\SUB\\A.DLL", {kFolder + "sub\\a.dll"}, 0},
      {kFolder + "gone.txt", {}, 0},
      {kFolder + "..\\other.txt", {}, 1},
      {kFolder + "sub\\..\\..\\other.txt", {}, 1},
      {"C:\\AUTOEXEC.BAT", {}, 1},
      {kFolder + "IO.SYS", {}, 1},
      {kFolder + "hidden.dat", {}, 1},
      {kFolder + "data", {}, 1},
      {kFolder + "kesview.exe.", {}, 1},
      {kFolder + "*.*", {}, 1},
      {kLog, {}, 1},
  };
  for (const auto& c : cases) {
    Removal r;
    const std::set<std::string> before = r.Paths();
    const int status = r.Run("PrivateFile: \"" + c.entry + "\"\r\n");
    std::vector<std::string> gone = c.gone;
    if (c.status == 0) {
      gone.push_back(kLog);
    }
    std::sort(gone.begin(), gone.end());
    std::set<std::string> withLog = before;
    withLog.insert(kLog);
    EXPECT_EQ(r.Gone(withLog), gone) << c.entry;
    EXPECT_EQ(status, c.status) << c.entry;
    EXPECT_EQ(r.boxes.shown.size(), c.status == 0 ? 0u : 1u) << c.entry;
  }
}

TEST(St5unstRemovalTest, WhatStaysIsToldAndTheLogKeptForAnotherRun) {
  Removal r;
  r.disk.inUse.insert(r.rule.Folded(kFolder + "sub\\a.dll"));
  const int status = r.Run("PrivateFile: \"" + kFolder + "kesview.exe\"\r\nPrivateFile: \"" +
                           kFolder + "sub\\a.dll\"\r\nPrivateFile: \"C:\\AUTOEXEC.BAT\"\r\n");
  EXPECT_EQ(status, st5unst::kSomethingLeft);
  EXPECT_EQ(r.clock.pauses, 50);  // ten seconds of patience, a fifth of a second at a time
  EXPECT_EQ(r.disk.files.count(kFolder + "kesview.exe"), 0u);
  EXPECT_EQ(r.disk.files.count(kLog), 1u);
  EXPECT_EQ(
      r.boxes.shown,
      (kes_test::Boxes{{"These files named by the setup log were not removed:\n" + kFolder +
                            "sub\\a.dll\nC:\\AUTOEXEC.BAT\n\nThe setup log was kept in\n" + kLog +
                            "\nso that running the uninstaller again removes what is left.",
                        "Setup Log Uninstaller", platform::kMbOk | platform::kMbIconStop}}));
}

TEST(St5unstRemovalTest, EverythingGoneTakesTheLogAndTheEmptiedFolder) {
  Removal r;
  r.disk.files = {{kFolder + "kesview.exe", {}}};
  EXPECT_EQ(r.Run("PrivateFile: \"" + kFolder + "kesview.exe\"\r\n"), st5unst::kAllGone);
  EXPECT_EQ(r.events, (Events{"delete " + kFolder + "kesview.exe", "delete " + kLog,
                              "rmdir C:\\Program Files\\Kestrel"}));
}

TEST(St5unstRemovalTest, WhatTheSetupMadeGoesOnlyWhenItBelongsToThisInstall) {
  const std::string settings = "SOFTWARE\\Kestrel";
  const std::string entry = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Kestrel";
  const std::string shortcut = "C:\\WINDOWS\\Start Menu\\Programs\\Kestrel.LNK";
  const std::string desktop = "C:\\WINDOWS\\Desktop\\Kestrel.LNK";
  const struct {
    std::string path;     // the settings key's "Path"
    std::string command;  // the entry's "UninstallString"
    bool settingsGo, entryGoes;
  } cases[] = {
      {kFolder + "kesview.exe", "ST5UNST.EXE -n \"" + kLog + "\"", true, true},
      {"C:\\PROGRA~1\\KESTREL\\KESVIEW.EXE",
       "st5unst.exe -n \"c:\\program files\\kestrel\\st5unst.log\"", true, true},
      {"D:\\Kestrel\\kesview.exe", "ST5UNST.EXE -n \"D:\\Kestrel\\ST5UNST.LOG\"", false, false},
  };
  for (const auto& c : cases) {
    Removal r;
    r.disk.files = {{kFolder + "kesview.exe", {}}, {shortcut, {}}, {desktop, {}}};
    r.registry.PutText(settings, "Path", c.path);
    r.registry.PutText(entry, "UninstallString", c.command);
    const int status =
        r.Run("PrivateFile: \"" + kFolder +
              "kesview.exe\"\r\nShortcut: \"Kestrel\"\r\nSettingsKey: \"Kestrel\"\r\n"
              "UninstallKey: \"Kestrel\"\r\n");
    EXPECT_EQ(status, st5unst::kAllGone) << c.path;
    EXPECT_EQ(r.Paths(), std::set<std::string>{}) << c.path;
    EXPECT_EQ(r.registry.HasKey(settings), !c.settingsGo) << c.path;
    EXPECT_EQ(r.registry.HasKey(entry), !c.entryGoes) << c.path;
  }
  // A log that names another program's key, entry or shortcut leaves them.
  Removal r;
  const std::string other = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Other";
  r.disk.files = {{kFolder + "kesview.exe", {}}, {"C:\\WINDOWS\\Desktop\\Other.LNK", {}}};
  r.registry.PutText("SOFTWARE\\Microsoft", "Version", "4.0");
  r.registry.PutText(other, "UninstallString", "ST5UNST.EXE -n \"" + kLog + "\"");
  EXPECT_EQ(r.Run("PrivateFile: \"" + kFolder +
                  "kesview.exe\"\r\nShortcut: \"Other\"\r\nSettingsKey: \"Microsoft\"\r\n"
                  "UninstallKey: \"Other\"\r\n"),
            st5unst::kAllGone);
  EXPECT_EQ(r.Paths(), std::set<std::string>{"C:\\WINDOWS\\Desktop\\Other.LNK"});
  EXPECT_TRUE(r.registry.HasKey("SOFTWARE\\Microsoft"));
  EXPECT_TRUE(r.registry.HasKey(other));
}

TEST(St5unstRemovalTest, ALogWhereNothingMayGoOrThatCannotBeReadRemovesNothing) {
  const struct {
    std::string arguments;
    bool unreadable;
    int status;
    std::string box;
  } cases[] = {
      {"-n C:\\ST5UNST.LOG", false, 1, "lies in the root"},
      {"-n C:\\WINDOWS\\ST5UNST.LOG", false, 1, "lies in the root"},
      {"-n \"c:\\progra~1\\..\\windows\\system\\ST5UNST.LOG\"", false, 1, "lies in the root"},
      {kArguments, true, 1, "could not be read to its end"},
      {"-n ST5UNST.LOG", false, 2, ""},
      {"", false, 2, ""},
  };
  for (const auto& c : cases) {
    Removal r;
    for (const char* log :
         {"C:\\ST5UNST.LOG", "C:\\WINDOWS\\ST5UNST.LOG", "C:\\WINDOWS\\SYSTEM\\ST5UNST.LOG"}) {
      r.disk.files[log] = {0, "PrivateFile: \"C:\\AUTOEXEC.BAT\"\r\n"};
    }
    if (c.unreadable) {
      r.disk.unreadable.insert(r.rule.Folded(kLog));
    }
    EXPECT_EQ(r.Run("PrivateFile: \"" + kFolder + "kesview.exe\"\r\n", c.arguments), c.status)
        << c.arguments;
    EXPECT_TRUE(r.events.empty()) << c.arguments;
    ASSERT_EQ(r.boxes.shown.size(), c.box.empty() ? 0u : 1u) << c.arguments;
    if (!c.box.empty()) {
      EXPECT_NE(r.boxes.shown[0].text.find(c.box), std::string::npos) << r.boxes.shown[0].text;
    }
  }
}

}  // namespace
}  // namespace uninstall_test
