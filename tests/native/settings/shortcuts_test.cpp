#include "settings/shortcuts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/fakes/fake_shell_places.h"
#include "tests/fakes/recording_boxes.h"

namespace {

using Entry = kes_test::FakeFileSystem::Entry;
using kes_test::ReportLine;

const std::string kTarget = "C:\\Program Files\\Kestrel\\kesview.exe";
const std::string kQuick = "..\\..\\Application Data\\Microsoft\\Internet Explorer\\Quick Launch";
const std::string kDesktop = "..\\..\\Desktop";
const std::string kStartMenu = "..\\..\\Start Menu";

std::string Create(const std::string& folder) {
  return "create|" + folder + "|Kestrel|" + kTarget + "|";
}
std::string Remove(const std::string& folder) { return "remove|" + folder + "|Kestrel"; }

// Flags in SetShortcuts' argument order.
struct FlagCase {
  const char* name;
  std::int16_t desktop, programMenu, startup, startMenu, quickLaunch;
  std::vector<std::string> calls;
};

class SetShortcutsTest : public ::testing::Test {
 protected:
  void Run(const FlagCase& c) {
    EXPECT_TRUE(Subs::SetShortcuts(links, boxes, "Kestrel", kTarget, c.desktop, c.programMenu,
                                   c.startup, c.startMenu, c.quickLaunch));
  }
  kes_test::FakeShellLinks links;
  kes_test::RecordingBoxes boxes;
};

TEST_F(SetShortcutsTest, EachPlaceIsCreatedOrRemovedInTheViewersOrder) {
  const FlagCase cases[] = {
      {"all",
       1,
       1,
       1,
       1,
       1,
       {Create(kQuick), Create(kDesktop), Create(""), Create("\\Startup"), Create(kStartMenu)}},
      {"none",
       0,
       0,
       0,
       0,
       0,
       {Remove(kQuick), Remove(kDesktop), Remove(""), Remove("\\Startup"), Remove(kStartMenu)}},
      {"desktop only",
       1,
       0,
       0,
       0,
       0,
       {Remove(kQuick), Create(kDesktop), Remove(""), Remove("\\Startup"), Remove(kStartMenu)}},
      {"startup and start menu",
       0,
       0,
       1,
       1,
       0,
       {Remove(kQuick), Remove(kDesktop), Remove(""), Create("\\Startup"), Create(kStartMenu)}},
      {"quick launch and program menu, any non-zero",
       0,
       -1,
       0,
       0,
       2,
       {Create(kQuick), Remove(kDesktop), Create(""), Remove("\\Startup"), Remove(kStartMenu)}},
  };
  for (const FlagCase& c : cases) {
    links.calls.clear();
    Run(c);
    EXPECT_EQ(links.calls, c.calls) << c.name;
  }
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(SetShortcutsTest, WhatTheLibraryReturnsIsNotAFailure) {
  links.result = 0;
  Run({"all", 1, 1, 1, 1, 1, {}});
  EXPECT_EQ(links.calls.size(), 5u);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(SetShortcutsTest, MissingLibraryListsEveryPlaceInOneBox) {
  links.missing = true;
  Run({"quick launch and desktop", 1, 0, 0, 0, 1, {}});
  EXPECT_EQ(boxes.shown, (kes_test::Boxes{{"Couldn't Create QuickLaunch Shortcut\n"
                                           "Couldn't Create Desktop Shortcut\n"
                                           "Couldn't Remove Program Menu Shortcut\n"
                                           "Couldn't Remove Startup Shortcut\n"
                                           "Couldn't Remove Start Menu Shortcut\n",
                                           "Kestrel", 0x10}}));
}

TEST_F(SetShortcutsTest, OneFaultingPlaceIsTheOnlyLineAndTheLaterPlacesStillRun) {
  links.faultingFolders = {"\\Startup"};
  Run({"all", 1, 1, 1, 1, 1, {}});
  EXPECT_EQ(links.calls.back(), Create(kStartMenu));
  EXPECT_EQ(boxes.shown,
            (kes_test::Boxes{{"Couldn't Create Startup Shortcut\n", "Kestrel", 0x10}}));

  boxes.shown.clear();
  links.faultingFolders = {kQuick};
  Run({"none", 0, 0, 0, 0, 0, {}});
  EXPECT_EQ(boxes.shown,
            (kes_test::Boxes{{"Couldn't Remove QuickLaunch Shortcut\n", "Kestrel", 0x10}}));
}

class LinkExistTest : public ::testing::Test {
 protected:
  bool Exists(const std::string& folder) {
    return Subs::LinkExist(files, files, files, platform::FileNameRule(), report, folder,
                           "Kestrel");
  }
  kes_test::FakeFileSystem files;
  kes_test::RecordingBoxes boxes;
  Subs::ErrorReport report{boxes};
};

TEST_F(LinkExistTest, OnlyAnOrdinaryFileCounts) {
  files.Add("C:\\WINDOWS\\Desktop\\Kestrel.LNK", Entry::kFile);
  files.Add("C:\\WINDOWS\\Start Menu\\Kestrel.LNK", Entry::kHiddenFile);
  files.Add("C:\\WINDOWS\\Start Menu\\Programs\\Kestrel.LNK", Entry::kFolder);
  files.Add("C:\\WINDOWS\\Start Menu\\Programs\\Startup\\Kestrel.LNK", Entry::kSystemFile);
  const struct {
    const char* folder;
    bool exists;
  } cases[] = {
      {"..\\..\\Desktop", true}, {"..\\..\\Start Menu", false}, {"", false},
      {"\\Startup", false},      {kQuick.c_str(), false},  // no such folder
  };
  for (const auto& c : cases) EXPECT_EQ(Exists(c.folder), c.exists) << c.folder;
  EXPECT_EQ(files.searched.front(), "C:\\WINDOWS\\Desktop\\Kestrel.LNK");
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(LinkExistTest, AFailingSearchIsReportedAndCountsAsMissing) {
  files.searchFails = true;
  EXPECT_FALSE(Exists("..\\..\\Desktop"));
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(ReportLine(boxes.shown[0], "Module:  "), "Subs");
  EXPECT_EQ(ReportLine(boxes.shown[0], "Routine: "), "LinkExist");
}

TEST_F(LinkExistTest, NoWindowsDirectorySearchesNothing) {
  files.windowsDir.clear();
  files.Add("Desktop\\Kestrel.LNK", Entry::kFile);
  EXPECT_FALSE(Exists("..\\..\\Desktop"));
  EXPECT_TRUE(files.searched.empty());
}

TEST(ShellLinkLibraryPathTest, TheLibraryBesideTheProgram) {
  const struct {
    const char* programFolder;
    const char* library;
  } cases[] = {
      {"C:\\Program Files\\Kestrel", "C:\\Program Files\\Kestrel\\keslink.dll"},
      {"C:\\", "C:\\keslink.dll"},
  };
  for (const auto& c : cases) {
    kes_test::FakeFileSystem folders;
    folders.programFolder = c.programFolder;
    EXPECT_EQ(Subs::ShellLinkLibraryPath(folders, platform::FileNameRule()), c.library)
        << c.programFolder;
  }
}

}  // namespace
