#include "uninstall/subs.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/fakes/uninstall_fakes.h"

namespace uninstall_test {
namespace {

using kes_test::Boxes;
constexpr unsigned kStop = platform::kMbOk | platform::kMbIconStop;
constexpr unsigned kExclamation = platform::kMbOk | platform::kMbIconExclamation;
const std::string kFolder = "C:\\Program Files\\Kestrel\\";
const std::string kLog = kFolder + "ST5UNST.LOG";
const std::string kNotFound =
    "Kestrel or one of it's components was not found.\n\n"
    "Use the 'Add/Remove Programs' from your control panel to uninstall instead.";
const std::string kQuickLaunch =
    "..\\..\\Application Data\\Microsoft\\Internet Explorer\\Quick Launch";
const std::string kStart =
    "start C:\\WINDOWS\\ST5UNST.EXE -n \"C:\\Program Files\\Kestrel\\ST5UNST.LOG\" in "
    "C:\\WINDOWS\\";
const std::string kListed =
    "PrivateFile: \"C:\\PROGRAM FILES\\KESTREL\\KESVIEW.EXE\"\r\n"
    "PrivateFile: \"C:\\Program Files\\Kestrel\\kesclean.exe\"\r\n";

TEST(FilePathBreakDownTest, SplitsAtTheLastBackslash) {
  struct Case {
    std::string path;
    bool result;
    std::string fileName;
    std::string folder;
  };
  const Case cases[] = {
      {"", false, "<file>", "<folder>"},  // outputs unchanged
      {"kesview.exe", true, "kesview.exe", ""},
      {"C:\\Kestrel\\", true, "", "C:\\Kestrel\\"},
      {"C:\\Program Files\\Kestrel\\kesview.exe", true, "kesview.exe",
       "C:\\Program Files\\Kestrel\\"},
      {"\\\\server\\share\\a\\b.exe", true, "b.exe", "\\\\server\\share\\a\\"},
  };
  Uninstall u;
  for (const Case& c : cases) {
    std::string fileName = "<file>";
    std::string folder = "<folder>";
    EXPECT_EQ(u.subs.FilePathBreakDown(c.path, fileName, folder), c.result) << c.path;
    EXPECT_EQ(fileName, c.fileName) << c.path;
    EXPECT_EQ(folder, c.folder) << c.path;
  }
}

TEST(GetInstallInfoTest, OwnInstallFirstThenTheFolderOfThePathValue) {
  struct Case {
    std::optional<std::string> path;
    std::string ownLog;  // kesclean's folder holds the viewer and this log; none when empty
    bool found;
    std::string folder;
  };
  const std::string own = "C:\\Kestrel\\";
  const std::string ownListed = "PrivateFile: \"c:\\kestrel\\KESVIEW.EXE\"\r\n";
  const Case cases[] = {
      {kFolder + "kesview.exe", "", true, kFolder},
      {"C:\\Kestrel", "", true, "C:\\"},
      {"kesview.exe", "", false, "\\"},
      {"", "", false, "\\"},
      {std::nullopt, "", false, "\\"},
      // Own folder is an install: it wins over "Path" naming another one.
      {std::nullopt, ownListed, true, own},
      {kFolder + "kesview.exe", ownListed, true, own},
      {"C:\\Release\\kesview.exe", "PrivateFile: \"C:\\Other\\x\"\r\n" + ownListed, true, own},
      // Own folder is no install: a log that does not list its viewer.
      {kFolder + "kesview.exe", "PrivateFile: \"C:\\Kestrel\\kesclean.exe\"\r\n", true, kFolder},
      {kFolder + "kesview.exe", "PrivateFile: C:\\Kestrel\\kesview.exe\r\n", true, kFolder},
  };
  for (const Case& c : cases) {
    Uninstall u;
    if (c.path) {
      u.SetPath(*c.path);
    }
    if (!c.ownLog.empty()) {
      u.disk.files[own + "kesview.exe"] = {};
      u.disk.files[own + "ST5UNST.LOG"] = {0, c.ownLog};
    }
    EXPECT_EQ(u.subs.GetInstallInfo(), c.found) << c.ownLog;
    EXPECT_EQ(u.subs.gsInstallFolder, c.folder) << c.ownLog;
    EXPECT_EQ(u.subs.gsAppName, "Kestrel");
  }
}

TEST(GetKnownFilesTest, LogMissingOrNotOrdinaryIsUnread) {
  for (const std::uint32_t attributes :
       {platform::kAttrHidden, platform::kAttrSystem, platform::kAttrDirectory}) {
    Uninstall u;
    u.subs.gsInstallFolder = kFolder;
    u.disk.files[kLog] = {attributes, "PrivateFile: \"x\""};
    std::vector<std::string> list = {"untouched"};
    EXPECT_FALSE(u.subs.GetKnownFiles(list, "ST5UNST.LOG"));
    EXPECT_EQ(list, std::vector<std::string>{"untouched"});
  }
}

TEST(GetKnownFilesTest, TooManyEntriesEndInTheErrorReport) {
  Uninstall u;
  u.subs.gsInstallFolder = kFolder;
  std::string log;
  for (int i = 0; i < 32768; ++i) {
    log += "PrivateFile: \"x\"\r\n";
  }
  u.disk.files[kLog] = {platform::kAttrReadOnly, log};
  std::vector<std::string> list;
  EXPECT_FALSE(u.subs.GetKnownFiles(list, "ST5UNST.LOG"));
  ASSERT_EQ(u.boxes.shown.size(), 1u);
  EXPECT_EQ(u.boxes.shown[0].title, "Program Error");
  EXPECT_EQ(u.boxes.shown[0].text,
            "The Following Error Occurred:\n\n9 - Subscript out of range\n\nModule:  Subs\n\n"
            "Routine: GetKnownFiles\n\nAdditional Info: ");
}

TEST(RemoveShortcutsTest, MissingLibraryListsEveryPlaceInTheUninstallersOrder) {
  Uninstall u;
  u.links.failing = {"..\\..\\Desktop", kQuickLaunch, "", "\\Startup", "..\\..\\Start Menu"};
  u.subs.RemoveShortcuts("Kestrel");
  EXPECT_EQ(u.boxes.shown, (Boxes{{"Couldn't Remove Desktop Shortcut\n"
                                   "Couldn't Remove Quick Launch Shortcut\n"
                                   "Couldn't Remove Program Menu Shortcut\n"
                                   "Couldn't Remove Startup Shortcut\n"
                                   "Couldn't Remove Start Menu Shortcut\n",
                                   "Kestrel Uninstaller", kStop}}));
}

TEST(RemoveShortcutsTest, OneFailingPlaceIsListedAndTheOthersStillGo) {
  Uninstall u;
  u.links.failing = {"\\Startup"};
  u.links.refusing = {"\\Startup", "..\\..\\Start Menu"};
  u.subs.RemoveShortcuts("Kestrel");
  EXPECT_EQ(u.events,
            (Events{"link [..\\..\\Desktop] Kestrel", "link [" + kQuickLaunch + "] Kestrel",
                    "link [] Kestrel", "link [..\\..\\Start Menu] Kestrel"}));
  EXPECT_EQ(u.boxes.shown, (Boxes{{"Couldn't Remove Startup Shortcut\n"
                                   "Couldn't Remove Start Menu Shortcut\n",
                                   "Kestrel Uninstaller", kStop}}));
}

// An installed folder: two listed files, the log, unlisted ones, a System
// file, a subfolder.
void Installed(Uninstall& u, const std::string& log) {
  u.SetPath(kFolder + "kesview.exe");
  u.disk.files = {
      {kFolder + "kesview.exe", {platform::kAttrArchive, ""}},
      {kFolder + "KESCLEAN.EXE", {platform::kAttrReadOnly, ""}},
      {kFolder + "notes.txt", {platform::kAttrReadOnly, ""}},
      {kFolder + "TEMP.HTM", {platform::kAttrHidden, ""}},
      {kFolder + "IO.SYS", {platform::kAttrHidden | platform::kAttrSystem, ""}},
      {kFolder + "data\\keep.txt", {0, ""}},
      {kFolder + "data", {platform::kAttrDirectory, ""}},
      {"C:\\Program Files\\other.txt", {0, ""}},
  };
  u.disk.files[kLog] = {0, log};
}

std::vector<std::string> Left(const Uninstall& u) {
  std::vector<std::string> left;
  for (const auto& [path, file] : u.disk.files) {
    left.push_back(path + ":" + std::to_string(file.attributes));
  }
  return left;
}

const Events kLinks = {"link [..\\..\\Desktop] Kestrel", "link [" + kQuickLaunch + "] Kestrel",
                       "link [] Kestrel", "link [\\Startup] Kestrel",
                       "link [..\\..\\Start Menu] Kestrel"};

TEST(MainTest, YesRemovesTheShortcutsThenCleansAndHandsOverFromTheWindowsFolder) {
  Uninstall u;
  Installed(u, kListed);
  u.subs.Main();
  Events expected = {"show Uninstalling Kestrel"};
  expected.insert(expected.end(), kLinks.begin(), kLinks.end());
  expected.insert(expected.end(),
                  {"normal " + kFolder + "KESCLEAN.EXE", "normal " + kFolder + "ST5UNST.LOG",
                   "normal " + kFolder + "TEMP.HTM", "delete " + kFolder + "TEMP.HTM",
                   "normal " + kFolder + "kesview.exe", "normal " + kFolder + "notes.txt",
                   "delete " + kFolder + "notes.txt", "close", kStart});
  EXPECT_EQ(u.events, expected);
  EXPECT_FALSE(u.registry.HasKey(Subs::kSettingsKey));
  EXPECT_EQ(
      u.boxes.shown,
      (Boxes{{"Are you sure you want to uninstall Kestrel?\n\n"
              "(Before uninstalling, ensure Kestrel is not currently running)",
              "Confirm Uninstall", platform::kMbYesNo | platform::kMbIconQuestion},
             {"These files in the folder were not installed with Kestrel and may be "
              "yours:\n" +
                  kFolder +
                  "\n\nnotes.txt\n\nDelete them too? Choose No to keep them, and with "
                  "them the folder.",
              "Kestrel Uninstaller",
              platform::kMbYesNo | platform::kMbIconQuestion | platform::kMbDefaultButton2}}));
  EXPECT_EQ(u.disk.files.at(kFolder + "IO.SYS").attributes,
            platform::kAttrHidden | platform::kAttrSystem);
}

TEST(MainTest, SweepsOnlyAFolderThatIsCertainlyKestrels) {
  struct Case {
    std::string path;    // "Path"
    std::string folder;  // where the program file, the log and a user's file lie
    std::string log;
    std::string why;
  };
  const std::string own = "PrivateFile: \"C:\\kesview.exe\"\r\n";
  const Case cases[] = {
      {"C:\\kesview.exe", "C:\\", own, "That folder is the root of a drive or a network share."},
      {"C:\\WINDOWS\\kesview.exe", "C:\\WINDOWS\\", "PrivateFile: \"C:\\WINDOWS\\kesview.exe\"",
       "That folder is the Windows folder."},
      {"c:\\windows\\.\\KESVIEW.EXE", "C:\\WINDOWS\\", "PrivateFile: \"C:\\WINDOWS\\kesview.exe\"",
       "That folder is the Windows folder."},
      {"C:\\K\\..\\WINDOWS\\kesview.exe", "C:\\WINDOWS\\",
       "PrivateFile: \"C:\\WINDOWS\\kesview.exe\"", "That folder is the Windows folder."},
      {"C:\\WINDOWS\\SYSTEM\\kesview.exe", "C:\\WINDOWS\\SYSTEM\\",
       "PrivateFile: \"C:\\WINDOWS\\SYSTEM\\kesview.exe\"",
       "That folder is the Windows System folder."},
      {kFolder, kFolder, kListed,
       "The place Kestrel recorded for itself is not the full path of a program file."},
      {"C:\\Program Files\\Kestrel", "C:\\Program Files\\", kListed,
       "Kestrel's program file is not in that folder."},
      {"C:\\Other\\kesview.exe", "C:\\Other\\", "PrivateFile: \"C:\\Other\\other.exe\"\r\n",
       "The Uninstall Log File in that folder does not list Kestrel's program file, so the "
       "folder may hold another program's files."},
      {"C:\\Other\\kesview.exe", "C:\\Other\\", "", "Could not find Uninstall Log File!"},
      {"C:\\Other\\kesview.exe", "C:\\Other\\", "unreadable",
       "The Uninstall Log File could not be read."},
  };
  for (const Case& c : cases) {
    Uninstall u;
    u.SetPath(c.path);
    u.disk.files = {{c.folder + "AUTOEXEC.BAT", {platform::kAttrReadOnly, ""}},
                    {c.folder + "MSDOS.SYS", {platform::kAttrSystem, ""}}};
    if (c.path != "C:\\Program Files\\Kestrel") {
      u.disk.files[c.folder + "kesview.exe"] = {};
    }
    if (!c.log.empty()) {
      u.disk.files[c.folder + "ST5UNST.LOG"] = {0, c.log};
    }
    if (c.log == "unreadable") {
      u.disk.unreadable.insert(u.rule.Folded(c.folder + "ST5UNST.LOG"));
    }
    const std::vector<std::string> before = Left(u);
    u.subs.Main();
    EXPECT_EQ(Left(u), before) << c.path;
    // The shortcuts and the key stay with the files.
    EXPECT_EQ(u.events, (Events{"show Uninstalling Kestrel", "close"})) << c.path;
    EXPECT_TRUE(u.registry.HasKey(Subs::kSettingsKey));
    ASSERT_FALSE(u.boxes.shown.empty());
    EXPECT_EQ(u.boxes.shown.back(),
              (kes_test::RecordingBoxes::Box{c.why + "\n\n" + u.subs.gsInstallFolder +
                                                 "\n\nNothing was removed: Kestrel's files, "
                                                 "shortcuts and settings were left as they were.",
                                             "Kestrel Uninstaller", kExclamation}))
        << c.path;
  }
}

TEST(MainTest, AShortOrDifferentlyCasedSpellingIsTheSameFile) {
  const std::string keslink = "PrivateFile: \"C:\\Program Files\\Kestrel\\keslink.dll\"\r\n";
  const struct {
    std::string path;
    std::string log;
  } cases[] = {
      {"C:\\PROGRA~1\\KESTREL\\KESVIEW.EXE", kListed + keslink},
      {"c:\\program files\\kestrel\\Kesview.exe", kListed + keslink},
      {kFolder + "kesview.exe",
       "PrivateFile: \"C:\\PROGRA~1\\KESTREL\\KESVIEW.EXE\"\r\n"
       "PrivateFile: \"C:\\PROGRA~1\\KESTREL\\KESCLEAN.EXE\"\r\n"
       "PrivateFile: \"c:\\progra~1\\kestrel\\KESLINK.DLL\"\r\n"},
  };
  for (const auto& c : cases) {
    Uninstall u;
    Installed(u, c.log);
    u.SetPath(c.path);
    u.disk.shortNames["C:\\PROGRA~1"] = "C:\\Program Files";
    u.disk.files[kFolder + "keslink.dll"] = {};
    u.disk.files.erase(kFolder + "TEMP.HTM");
    u.subs.Main();
    EXPECT_EQ(std::count_if(u.events.begin(), u.events.end(),
                            [](const std::string& e) { return e.starts_with("delete "); }),
              1)
        << c.path;
    EXPECT_EQ(u.disk.files.count(kFolder + "notes.txt"), 0u) << c.path;
    EXPECT_EQ(u.events.back(), kStart) << c.path;
  }
}

TEST(MainTest, WhatStaysAfterTheKeyIsGoneIsTold) {
  const struct {
    bool starterFails;
    std::string box;
  } cases[] = {
      {false, "These files could not be deleted:\n\nLeft in " + kFolder + ":\nnotes.txt\n"},
      {true,
       "The Uninstall program could not be started, so Kestrel's files are still in the folder. "
       "Start it yourself to remove them:\n" +
           kStart.substr(6, kStart.find(" in ") - 6) + "\n\nLeft in " + kFolder +
           ":\nKESCLEAN.EXE\nST5UNST.LOG\nkesview.exe\nnotes.txt\n"},
  };
  for (const auto& c : cases) {
    Uninstall u;
    Installed(u, kListed);
    u.disk.files.erase(kFolder + "TEMP.HTM");
    u.disk.inUse.insert(u.rule.Folded(kFolder + "notes.txt"));
    u.starter.fails = c.starterFails;
    u.subs.Main();
    EXPECT_FALSE(u.registry.HasKey(Subs::kSettingsKey));
    EXPECT_EQ(u.boxes.shown.back(),
              (kes_test::RecordingBoxes::Box{c.box, "Kestrel Uninstaller", kStop}));
  }
}

TEST(MainTest, FilesThatMayBeTheUsersAreNamedAndGoOnlyOnYes) {
  const struct {
    int users;  // files of the user's besides notes.txt
    int answer;
    std::string named;
    std::size_t left;  // files left in the folder, the log and the two listed ones among them
  } cases[] = {
      {0, platform::kIdYes, "notes.txt\n", 3},
      {0, platform::kIdNo, "notes.txt\n", 4},
      {16, platform::kIdYes,
       "notes.txt\nr01.txt\nr02.txt\nr03.txt\nr04.txt\nr05.txt\nr06.txt\nr07.txt\nr08.txt\n"
       "r09.txt\nr10.txt\nr11.txt\nr12.txt\nr13.txt\nr14.txt\nand 2 more\n",
       3},
      {16, platform::kIdNo, "", 20},
  };
  for (const auto& c : cases) {
    Uninstall u;
    Installed(u, kListed);
    for (int i = 1; i <= c.users; ++i) {
      u.disk.files[kFolder + (i < 10 ? "r0" : "r") + std::to_string(i) + ".txt"] = {};
    }
    u.boxes.answers = {platform::kIdYes, c.answer};
    u.subs.Main();
    ASSERT_GE(u.boxes.shown.size(), 2u);
    if (!c.named.empty()) {
      EXPECT_NE(u.boxes.shown[1].text.find("\n\n" + c.named + "\nDelete them too?"),
                std::string::npos)
          << u.boxes.shown[1].text;
    }
    std::size_t left = 0;
    for (const auto& [path, file] : u.disk.files) {
      left += path.starts_with(kFolder) && path.find('\\', kFolder.size()) == std::string::npos &&
                      (file.attributes & platform::kAttrSystem) == 0 && path != kFolder + "data"
                  ? 1
                  : 0;
    }
    EXPECT_EQ(left, c.left) << c.users << " " << c.answer;
    if (c.answer == platform::kIdNo) {  // kept as it was, read-only still
      EXPECT_EQ(u.disk.files[kFolder + "notes.txt"].attributes, platform::kAttrReadOnly);
    }
    EXPECT_EQ(u.disk.files.count(kFolder + "TEMP.HTM"), 0u);  // the viewer's own
    EXPECT_EQ(u.events.back(), kStart);
  }
}

TEST(MainTest, TooLongALogDeletesNothingAndHandsNothingOver) {
  Uninstall u;
  std::string log;
  for (int i = 0; i < 32768; ++i) {
    log += "PrivateFile: \"C:\\Program Files\\Kestrel\\kesview.exe\"\r\n";
  }
  Installed(u, log);
  const std::vector<std::string> before = Left(u);
  u.subs.Main();
  EXPECT_EQ(Left(u), before);
  ASSERT_EQ(u.boxes.shown.size(), 3u);
  EXPECT_EQ(u.boxes.shown[1].title, "Program Error");
  EXPECT_EQ(u.events.back(), "close");
}

TEST(MainTest, NoOrNoPathChangesNothing) {
  for (const bool hasPath : {true, false}) {
    Uninstall u;
    Installed(u, "");
    if (!hasPath) {
      u.registry.Erase(Subs::kSettingsKey, "Path");
    }
    u.boxes.answer = platform::kIdNo;
    const auto before = u.disk.files.size();
    u.subs.Main();
    EXPECT_TRUE(u.events.empty());
    EXPECT_EQ(u.disk.files.size(), before);
    EXPECT_TRUE(u.registry.HasKey(Subs::kSettingsKey));
    ASSERT_EQ(u.boxes.shown.size(), 1u);
    if (!hasPath) {
      EXPECT_EQ(u.boxes.shown[0],
                (kes_test::RecordingBoxes::Box{kNotFound, "Kestrel Uninstaller", kExclamation}));
    }
  }
}

}  // namespace
}  // namespace uninstall_test
