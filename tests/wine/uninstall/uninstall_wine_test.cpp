// The uninstaller on real folders, the real registry and real shortcut files,
// with the message boxes answered and the hand-over recorded.
#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <span>
#include <string>

#include "platform/win32/file_name_rule_win32.h"
#include "platform/win32/file_store_win32.h"
#include "platform/win32/folder_files_win32.h"
#include "platform/win32/folder_identity_win32.h"
#include "platform/win32/program_starter_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/shell_links_win32.h"
#include "platform/win32/system_folders_win32.h"
#include "settings/settings_store.h"
#include "shell/twips.h"
#include "tests/fakes/uninstall_fakes.h"
#include "tests/fakes/win32_helpers.h"
#include "tests/wine/uninstall/folder_helpers.h"
#include "uninstall/win32/uninstall_host_win32.h"

namespace uninstall_test {
namespace {

using kes_test::Boxes;

class UninstallWineTest : public testing::Test {
 protected:
  void SetUp() override {
    RemoveTree(folder);
    MakeFile(folder + "kesview.exe", "viewer");
    MakeFile(folder + "KESCLEAN.EXE", "uninstaller", FILE_ATTRIBUTE_READONLY);
    MakeFile(folder + "ST5UNST.LOG",
             "PrivateFile: \"" + kes_test::TempPath("KESTREL UNINSTALL\\KESVIEW.EXE") + "\"\r\n" +
                 "PrivateFile: \"" + kes_test::TempPath("kestrel uninstall\\kesclean.exe") +
                 "\"\r\n");
    MakeFile(folder + "stray.txt", "user's", FILE_ATTRIBUTE_READONLY);
    MakeFile(folder + "hidden.dat", "", FILE_ATTRIBUTE_HIDDEN);
    MakeFile(folder + "system.dat", "", FILE_ATTRIBUTE_SYSTEM);
    MakeFile(folder + "sub\\inner.txt", "inner", FILE_ATTRIBUTE_READONLY);
    MakeFile(outside, "outside");
    for (const std::string& shortcut : ShortcutFiles()) {
      MakeFile(shortcut, "link");
    }
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, Subs::kSettingsKey);
    ASSERT_TRUE(kes_test::PutRegistryValue(HKEY_LOCAL_MACHINE, Subs::kSettingsKey, "Path", REG_SZ,
                                           folder + "kesview.exe"));
  }
  void TearDown() override {
    RemoveTree(folder);
    DeleteFileA(outside.c_str());
    for (const std::string& shortcut : ShortcutFiles()) {
      DeleteFileA(shortcut.c_str());
    }
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, Subs::kSettingsKey);
  }

  // The drive as it is, without the shortcut files the uninstaller removes.
  std::set<std::string> DriveWithoutShortcuts() {
    for (const std::string& shortcut : ShortcutFiles()) {
      DeleteFileA(shortcut.c_str());
    }
    return Drive();
  }

  // Everything the uninstaller could change.
  std::string State() {
    std::string state = Listing(folder) + "| outside " + std::to_string(Exists(outside)) + " |";
    for (const std::string& shortcut : ShortcutFiles()) {
      state += std::to_string(Exists(shortcut));
    }
    RegistryValue path;
    if (api.QueryValue(platform::kHkeyLocalMachine, Subs::kSettingsKey, "Path", path)) {
      state += " | Path=" + path.ToText();
    }
    return state;
  }

  const std::string folder = kes_test::TempPath("Kestrel Uninstall\\");
  const std::string outside = kes_test::TempPath("kestrel_outside.txt");
  Events events;
  AnsweringBoxes boxes;
  Subs::ErrorReport report{boxes, "Program Error"};
  platform::Win32Registry registry;
  RegistryAPI api{registry, report};
  platform::Win32SystemFolders folders;
  platform::Win32FolderFiles files;
  platform::Win32FileStore store;
  platform::Win32ShellLinks links{kes_test::ProgramFolder() + "keslink.dll"};
  FakeStarter starter{events};
  platform::Win32FileNameRule rule;
  platform::Win32FolderIdentity identity{rule};
  kesclean::Win32UninstallHost host{GetModuleHandleA(nullptr)};
  kesclean::Subs subs{{api, boxes, folders, files, store, identity, links, starter, rule, host}};
};

TEST_F(UninstallWineTest, YesDeletesExactlyTheUnlistedFilesOfTheFolder) {
  subs.Main();
  EXPECT_EQ(Listing(folder),
            "KESCLEAN.EXE:0 kesview.exe:0 ST5UNST.LOG:0 sub:16 [inner.txt:1 ] system.dat:4 ");
  EXPECT_TRUE(Exists(outside));
  for (const std::string& shortcut : ShortcutFiles()) {
    EXPECT_FALSE(Exists(shortcut)) << shortcut;
  }
  EXPECT_FALSE(kes_test::RegistryKeyExists(HKEY_LOCAL_MACHINE, Subs::kSettingsKey));
  EXPECT_EQ(events, (Events{"start " + WindowsDir() + "ST5UNST.EXE -n \"" + folder +
                            "ST5UNST.LOG\" in " + WindowsDir()}));
  ASSERT_EQ(boxes.shown.size(), 2u);  // the confirmation, and the question about these
  EXPECT_NE(boxes.shown[1].text.find("\n\nhidden.dat\nstray.txt\n\n"), std::string::npos)
      << boxes.shown[1].text;
}

TEST_F(UninstallWineTest, AFolderThatIsNotCertainlyKestrelsLosesNothingOnTheDrive) {
  const std::string elsewhere = kes_test::TempPath("Kestrel Elsewhere\\");
  const struct {
    std::string folder;  // where the program, the log and a file of someone else's lie
    std::string path;    // "Path"
    std::string listed;  // what the log lists
    std::string why;
  } cases[] = {
      {"C:\\", "C:\\kesview.exe", "C:\\kesview.exe", "root of a drive"},
      {WindowsDir(), WindowsDir() + "kesview.exe", WindowsDir() + "kesview.exe", "Windows folder"},
      {WindowsDir(), WindowsDir() + "Kestrel Dots\\..\\kesview.exe", WindowsDir() + "kesview.exe",
       "Windows folder"},
      {kSecondName + "system32\\", kSecondName + "system32\\kesview.exe",
       kSecondName + "system32\\kesview.exe", "System folder"},
      {elsewhere, elsewhere + "kesview.exe", elsewhere + "other.exe", "does not list"},
      {elsewhere, elsewhere + "gone.exe", elsewhere + "gone.exe", "not in that folder"},
  };
  for (const auto& c : cases) {
    const std::vector<std::string> made = {c.folder + "kesview.exe", c.folder + "ST5UNST.LOG",
                                           c.folder + "kestrel_autoexec.bat",
                                           c.folder + "KESTREL.SYS"};
    MakeFile(made[0], "viewer");
    MakeFile(made[1], "PrivateFile: \"" + c.listed + "\"\r\n");
    MakeFile(made[2], "someone else's", FILE_ATTRIBUTE_READONLY);
    MakeFile(made[3], "the system's", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    ASSERT_TRUE(
        kes_test::PutRegistryValue(HKEY_LOCAL_MACHINE, Subs::kSettingsKey, "Path", REG_SZ, c.path));
    boxes.shown.clear();
    const std::set<std::string> before = Drive();
    subs.Main();
    const std::set<std::string> after = Drive();
    EXPECT_EQ(Difference(before, after), std::set<std::string>{}) << c.path;
    EXPECT_EQ(Difference(after, before), std::set<std::string>{}) << c.path;
    EXPECT_TRUE(kes_test::RegistryKeyExists(HKEY_LOCAL_MACHINE, Subs::kSettingsKey)) << c.path;
    EXPECT_TRUE(events.empty()) << c.path;
    EXPECT_NE(boxes.shown.back().text.find(c.why), std::string::npos) << boxes.shown.back().text;
    EXPECT_NE(boxes.shown.back().text.find("Nothing was removed"), std::string::npos);
    for (const std::string& file : made) {
      SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA(file.c_str());
    }
  }
  RemoveTree(elsewhere);
}

TEST_F(UninstallWineTest, AShortNamePathIsTheFileTheLogListsByItsLongName) {
  char shortFolder[MAX_PATH] = {};
  ASSERT_NE(GetShortPathNameA(folder.c_str(), shortFolder, MAX_PATH), 0u);
  ASSERT_NE(std::string(shortFolder), folder);
  MakeFile(folder + "keslink.dll", "library");
  MakeFile(folder + "ST5UNST.LOG", "PrivateFile: \"" + folder + "kesview.exe\"\r\nPrivateFile: \"" +
                                       folder + "KESCLEAN.EXE\"\r\nPrivateFile: \"" + folder +
                                       "keslink.dll\"\r\n");
  SetFileAttributesA((folder + "KESCLEAN.EXE").c_str(), FILE_ATTRIBUTE_NORMAL);
  SetFileAttributesA((folder + "stray.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
  ASSERT_TRUE(kes_test::PutRegistryValue(HKEY_LOCAL_MACHINE, Subs::kSettingsKey, "Path", REG_SZ,
                                         std::string(shortFolder) + "KESVIEW.EXE"));
  const std::set<std::string> before = DriveWithoutShortcuts();
  subs.Main();
  const std::set<std::string> after = Drive();
  EXPECT_EQ(Difference(before, after),
            (std::set<std::string>{folder + "hidden.dat:2", folder + "stray.txt:0"}));
  EXPECT_EQ(Difference(after, before), std::set<std::string>{});
  ASSERT_EQ(events.size(), 1u);
  ASSERT_EQ(boxes.shown.size(), 2u);  // the confirmation, and the question about these
  EXPECT_NE(boxes.shown[1].text.find("\n\nhidden.dat\nstray.txt\n\n"), std::string::npos)
      << boxes.shown[1].text;
}

TEST_F(UninstallWineTest, AHandOverThatCannotStartNamesWhatWasLeftWhere) {
  // A Windows folder without ST5UNST.EXE in it.
  struct NoUninstallerHere final : platform::SystemFolders {
    std::string ProgramFolder() override { return {}; }
    std::uint32_t WindowsDirectory(std::span<char> buffer) override {
      const std::string windows = kes_test::TempPath("Kestrel No Windows");
      windows.copy(buffer.data(), buffer.size());
      return static_cast<std::uint32_t>(windows.size());
    }
    std::uint32_t SystemDirectory(std::span<char> buffer) override {
      return GetSystemDirectoryA(buffer.data(), static_cast<UINT>(buffer.size()));
    }
  } noUninstaller;
  platform::Win32ProgramStarter realStarter;
  kesclean::Subs cleaner(
      {api, boxes, noUninstaller, files, store, identity, links, realStarter, rule, host});
  const std::set<std::string> before = DriveWithoutShortcuts();
  cleaner.Main();
  EXPECT_EQ(Difference(before, Drive()),
            (std::set<std::string>{folder + "hidden.dat:2", folder + "stray.txt:1",
                                   folder + "KESCLEAN.EXE:1"}));
  ASSERT_EQ(boxes.shown.size(), 3u);  // the confirmation, the question, and this
  EXPECT_EQ(boxes.shown[2].text,
            "The Uninstall program could not be started, so Kestrel's files are still in the "
            "folder. Start it yourself to remove them:\n" +
                kes_test::TempPath("Kestrel No Windows\\ST5UNST.EXE -n \"") + folder +
                "ST5UNST.LOG\"\n\nLeft in " + folder +
                ":\nKESCLEAN.EXE\nST5UNST.LOG\nkesview.exe\n");
}

TEST(ReadToEndTest, AReadThatFailsHalfWayIsAFailureNotTheEnd) {
  HANDLE reading = nullptr;
  HANDLE writing = nullptr;
  ASSERT_TRUE(CreatePipe(&reading, &writing, nullptr, 0));
  const platform::ScopedHandle readEnd(reading);
  const std::string part = "PrivateFile: \"C:\\K\\a.exe\"\r\n";
  DWORD written = 0;
  WriteFile(writing, part.data(), static_cast<DWORD>(part.size()), &written, nullptr);
  CloseHandle(writing);  // the next read fails
  EXPECT_THROW(platform::ReadToEnd(readEnd.Get(), "pipe"), kes::Failure);
}

TEST_F(UninstallWineTest, AnsweringNoOrNoPathChangesNothing) {
  const std::string before = State();
  boxes.answer = platform::kIdNo;
  subs.Main();
  EXPECT_EQ(State(), before);

  HKEY key = nullptr;
  RegOpenKeyExA(HKEY_LOCAL_MACHINE, Subs::kSettingsKey, 0, KEY_SET_VALUE, &key);
  RegDeleteValueA(key, "Path");
  RegCloseKey(key);
  const std::string withoutPath = State();
  boxes.answer = platform::kIdYes;
  subs.Main();
  EXPECT_EQ(State(), withoutPath);
  EXPECT_TRUE(kes_test::RegistryKeyExists(HKEY_LOCAL_MACHINE, Subs::kSettingsKey));
  EXPECT_TRUE(events.empty());
  EXPECT_EQ(boxes.shown.back().text,
            "Kestrel or one of it's components was not found.\n\n"
            "Use the 'Add/Remove Programs' from your control panel to uninstall instead.");
}

TEST_F(UninstallWineTest, MissingLibraryIsToldOnceWithEveryPlace) {
  platform::Win32ShellLinks missing(kes_test::ProgramFolder() + "no_such_link.dll");
  kesclean::Subs withoutLibrary(
      {api, boxes, folders, files, store, identity, missing, starter, rule, host});
  withoutLibrary.RemoveShortcuts("Kestrel");
  EXPECT_EQ(boxes.shown, (Boxes{{"Couldn't Remove Desktop Shortcut\n"
                                 "Couldn't Remove Quick Launch Shortcut\n"
                                 "Couldn't Remove Program Menu Shortcut\n"
                                 "Couldn't Remove Startup Shortcut\n"
                                 "Couldn't Remove Start Menu Shortcut\n",
                                 "Kestrel Uninstaller", MB_OK | MB_ICONSTOP}}));
}

TEST_F(UninstallWineTest, WindowShowsItsLabelInItsClientArea) {
  host.ShowUninstallWindow("Uninstalling Kestrel");
  const HWND window = host.Window()->Handle();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(IsWindowVisible(window));
  char caption[64] = {};
  GetWindowTextA(window, caption, sizeof caption);
  EXPECT_STREQ(caption, "Uninstalling Kestrel");
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, Subs::TwipsToPixels(4815, dpi));
  EXPECT_EQ(client.bottom, Subs::TwipsToPixels(1140, dpi));
  char label[64] = {};
  GetWindowTextA(host.Window()->lbl(), label, sizeof label);
  EXPECT_STREQ(label, "Please wait while the Uninstall program loads...");
  host.CloseUninstallWindow();
  EXPECT_FALSE(IsWindow(window));
}

}  // namespace
}  // namespace uninstall_test
