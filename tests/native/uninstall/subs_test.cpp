#include "uninstall/subs.h"

#include <gtest/gtest.h>

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
    "start C:\\WINDOWS\\ST5UNST.EXE -n \"C:\\Program Files\\Kestrel\\ST5UNST.LOG\"";

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

TEST(GetInstallInfoTest, FolderOfThePathValue) {
  struct Case {
    std::optional<std::string> path;
    bool found;
    std::string folder;
  };
  const Case cases[] = {
      {kFolder + "kesview.exe", true, kFolder},
      {"C:\\Kestrel", true, "C:\\"},
      {"kesview.exe", false, "\\"},
      {"", false, "\\"},
      {std::nullopt, false, "\\"},
  };
  for (const Case& c : cases) {
    Uninstall u;
    if (c.path) {
      u.SetPath(*c.path);
    }
    EXPECT_EQ(u.subs.GetInstallInfo(), c.found);
    EXPECT_EQ(u.subs.gsInstallFolder, c.folder);
    EXPECT_EQ(u.subs.gsAppName, "Kestrel");
  }
}

TEST(GetKnownFilesTest, LogMissingOrNotOrdinaryIsToldAndUnread) {
  for (const std::uint32_t attributes :
       {platform::kAttrHidden, platform::kAttrSystem, platform::kAttrDirectory}) {
    Uninstall u;
    u.subs.gsInstallFolder = kFolder;
    u.disk.files[kLog] = {attributes, "PrivateFile: \"x\""};
    std::vector<std::string> list = {"untouched"};
    EXPECT_FALSE(u.subs.GetKnownFiles(list, "ST5UNST.LOG"));
    EXPECT_EQ(u.boxes.shown,
              (Boxes{{"Could not find Uninstall Log File!", "Kestrel Uninstaller", kExclamation}}));
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
  u.subs.RemoveShortcuts("Kestrel");
  EXPECT_EQ(u.events,
            (Events{"link [..\\..\\Desktop] Kestrel", "link [" + kQuickLaunch + "] Kestrel",
                    "link [] Kestrel", "link [..\\..\\Start Menu] Kestrel"}));
  EXPECT_EQ(u.boxes.shown,
            (Boxes{{"Couldn't Remove Startup Shortcut\n", "Kestrel Uninstaller", kStop}}));
}

// An installed folder: two listed files, the log, unlisted ones, a subfolder.
void Installed(Uninstall& u, const std::string& log) {
  u.SetPath(kFolder + "kesview.exe");
  u.disk.files = {
      {kFolder + "kesview.exe", {platform::kAttrArchive, ""}},
      {kFolder + "KESCLEAN.EXE", {platform::kAttrReadOnly, ""}},
      {kFolder + "notes.txt", {platform::kAttrReadOnly, ""}},
      {kFolder + "TEMP.HTM", {platform::kAttrHidden | platform::kAttrSystem, ""}},
      {kFolder + "data\\keep.txt", {0, ""}},
      {kFolder + "data", {platform::kAttrDirectory, ""}},
      {"C:\\Program Files\\other.txt", {0, ""}},
  };
  u.disk.files[kLog] = {0, log};
}

TEST(MainTest, YesCleansInOrderAndHandsOver) {
  Uninstall u;
  Installed(u,
            "PrivateFile: \"C:\\PROGRAM FILES\\KESTREL\\KESVIEW.EXE\"\r\n"
            "PrivateFile: \"C:\\Program Files\\Kestrel\\kesclean.exe\"\r\n");
  u.subs.Main();
  EXPECT_EQ(u.events,
            (Events{"show Uninstalling Kestrel", "normal " + kFolder + "KESCLEAN.EXE",
                    "normal " + kFolder + "ST5UNST.LOG", "normal " + kFolder + "TEMP.HTM",
                    "delete " + kFolder + "TEMP.HTM", "normal " + kFolder + "kesview.exe",
                    "normal " + kFolder + "notes.txt", "delete " + kFolder + "notes.txt",
                    "link [..\\..\\Desktop] Kestrel", "link [" + kQuickLaunch + "] Kestrel",
                    "link [] Kestrel", "link [\\Startup] Kestrel",
                    "link [..\\..\\Start Menu] Kestrel", "close", kStart}));
  EXPECT_FALSE(u.registry.HasKey(Subs::kSettingsKey));
  EXPECT_EQ(u.boxes.shown,
            (Boxes{{"Are you sure you want to uninstall Kestrel?\n\n"
                    "(Before uninstalling, ensure Kestrel is not currently running)",
                    "Confirm Uninstall", platform::kMbYesNo | platform::kMbIconQuestion}}));
}

TEST(MainTest, LogWithoutEntriesLeavesOnlyTheLogAndTheSubfolder) {
  Uninstall u;
  Installed(u, "nothing to keep\r\n");
  u.subs.Main();
  std::vector<std::string> left;
  for (const auto& [path, file] : u.disk.files) {
    left.push_back(path);
  }
  EXPECT_EQ(left,
            (std::vector<std::string>{
                "C:\\Program Files\\Kestrel\\ST5UNST.LOG", "C:\\Program Files\\Kestrel\\data",
                "C:\\Program Files\\Kestrel\\data\\keep.txt", "C:\\Program Files\\other.txt"}));
}

TEST(MainTest, TooLongALogDeletesNothing) {
  Uninstall u;
  std::string log;
  for (int i = 0; i < 32768; ++i) {
    log += "PrivateFile: \"C:\\Program Files\\Kestrel\\kesview.exe\"\r\n";
  }
  Installed(u, log);
  const auto before = u.disk.files.size();
  u.subs.Main();
  EXPECT_EQ(u.disk.files.size(), before);
  ASSERT_EQ(u.boxes.shown.size(), 2u);
  EXPECT_EQ(u.boxes.shown[1].title, "Program Error");
  EXPECT_EQ(u.events.back(), kStart);
}

TEST(MainTest, NoLogDeletesNothingButStillRemovesLinksKeyAndHandsOver) {
  Uninstall u;
  Installed(u, "");
  u.disk.files.erase(kLog);
  const auto before = u.disk.files.size();
  u.subs.Main();
  EXPECT_EQ(u.disk.files.size(), before);
  EXPECT_FALSE(u.registry.HasKey(Subs::kSettingsKey));
  EXPECT_EQ(u.events.back(), kStart);
  ASSERT_EQ(u.boxes.shown.size(), 2u);
  EXPECT_EQ(u.boxes.shown[1].text, "Could not find Uninstall Log File!");
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
