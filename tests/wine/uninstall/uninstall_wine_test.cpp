// The uninstaller on real folders, the real registry and real shortcut files,
// with the message boxes answered and the hand-over recorded.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/win32/file_store_win32.h"
#include "platform/win32/folder_files_win32.h"
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
  kesclean::Win32UninstallHost host{GetModuleHandleA(nullptr)};
  kesclean::Subs subs{{api, boxes, folders, files, store, links, starter, host}};
};

TEST_F(UninstallWineTest, YesDeletesExactlyTheUnlistedFilesOfTheFolder) {
  subs.Main();
  EXPECT_EQ(Listing(folder), "KESCLEAN.EXE:0 kesview.exe:0 ST5UNST.LOG:0 sub:16 [inner.txt:1 ] ");
  EXPECT_TRUE(Exists(outside));
  for (const std::string& shortcut : ShortcutFiles()) {
    EXPECT_FALSE(Exists(shortcut)) << shortcut;
  }
  EXPECT_FALSE(kes_test::RegistryKeyExists(HKEY_LOCAL_MACHINE, Subs::kSettingsKey));
  EXPECT_EQ(events,
            (Events{"start " + WindowsDir() + "ST5UNST.EXE -n \"" + folder + "ST5UNST.LOG\""}));
  EXPECT_EQ(boxes.shown.size(), 1u);  // the confirmation alone
}

TEST_F(UninstallWineTest, WithoutTheLogNothingIsDeletedButTheRestGoesOn) {
  DeleteFileA((folder + "ST5UNST.LOG").c_str());
  const std::string before = Listing(folder);
  subs.Main();
  EXPECT_EQ(Listing(folder), before);
  for (const std::string& shortcut : ShortcutFiles()) {
    EXPECT_FALSE(Exists(shortcut)) << shortcut;
  }
  EXPECT_FALSE(kes_test::RegistryKeyExists(HKEY_LOCAL_MACHINE, Subs::kSettingsKey));
  EXPECT_EQ(events.size(), 1u);
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[1].text, "Could not find Uninstall Log File!");
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
  kesclean::Subs withoutLibrary({api, boxes, folders, files, store, missing, starter, host});
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
