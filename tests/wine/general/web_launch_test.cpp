#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/win32/file_name_rule_win32.h"
#include "platform/win32/file_store_win32.h"
#include "platform/win32/shell_launcher_win32.h"
#include "platform/win32/system_folders_win32.h"
#include "shell/general/text_helpers.h"
#include "shell/general/web.h"
#include "shell/general/windows_dir.h"
#include "tests/fakes/recording_boxes.h"
#include "tests/fakes/win32_helpers.h"

namespace {

constexpr const char* kClass = "KestrelTest.StandInPage";
constexpr const char* kBackup = "KestrelTest.htm.backup";

using kes_test::RecordingBoxes;

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

void SetDefault(const std::string& key, const std::string& value) {
  ASSERT_TRUE(kes_test::PutRegistryValue(HKEY_CLASSES_ROOT, key, "", REG_SZ, value + '\0')) << key;
}

// Makes the stand-in the program for HTML pages, or leaves no program for
// them, and puts the prefix's own association back afterwards.
class HtmAssociation {
 public:
  HtmAssociation() {
    hadKey_ = kes_test::RegistryKeyExists(HKEY_CLASSES_ROOT, ".htm");
    if (hadKey_) {
      RegDeleteTreeA(HKEY_CLASSES_ROOT, kBackup);
      HKEY backup = nullptr;
      RegCreateKeyA(HKEY_CLASSES_ROOT, kBackup, &backup);
      RegCopyTreeA(HKEY_CLASSES_ROOT, ".htm", backup);
      RegCloseKey(backup);
    }
  }
  ~HtmAssociation() {
    RegDeleteTreeA(HKEY_CLASSES_ROOT, ".htm");
    RegDeleteTreeA(HKEY_CLASSES_ROOT, kClass);
    if (hadKey_) {
      HKEY key = nullptr;
      RegCreateKeyA(HKEY_CLASSES_ROOT, ".htm", &key);
      HKEY backup = nullptr;
      RegOpenKeyExA(HKEY_CLASSES_ROOT, kBackup, 0, KEY_READ, &backup);
      RegCopyTreeA(backup, nullptr, key);
      RegCloseKey(backup);
      RegCloseKey(key);
      RegDeleteTreeA(HKEY_CLASSES_ROOT, kBackup);
    }
  }
  HtmAssociation(const HtmAssociation&) = delete;
  HtmAssociation& operator=(const HtmAssociation&) = delete;

  void Register(const std::string& program) {
    RegDeleteTreeA(HKEY_CLASSES_ROOT, ".htm");
    SetDefault(".htm", kClass);
    SetDefault(std::string(kClass) + "\\shell\\open\\command", "\"" + program + "\" \"%1\"");
  }
  void Remove() { RegDeleteTreeA(HKEY_CLASSES_ROOT, ".htm"); }

 private:
  bool hadKey_ = false;
};

class WebLaunchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    DeleteFileA(record_.c_str());
    CreateDirectoryA(blankFolder_.c_str(), nullptr);
  }
  void TearDown() override {
    DeleteFileA(record_.c_str());
    RemoveDirectoryA(blankFolder_.c_str());
  }

  // The stand-in's arguments, once it has written them; bounded wait.
  std::vector<std::string> WaitForArguments() {
    for (int tries = 0; tries < 300 && !Exists(record_); ++tries) Sleep(100);
    std::vector<std::string> arguments;
    std::istringstream lines(ReadFile(record_));
    for (std::string line; std::getline(lines, line);) arguments.push_back(line);
    return arguments;
  }

  platform::Win32SystemFolders folders;
  platform::Win32FileNameRule rule;
  platform::Win32ShellLauncher shell;
  platform::Win32FileStore files;
  RecordingBoxes boxes;
  Subs::ErrorReport report{boxes};
  HtmAssociation association;
  const std::string bin_ = folders.ProgramFolder();
  const std::string record_ = Subs::AddBackslash(rule, bin_) + "browser_record.txt";
  const std::string blankFolder_ = Subs::AddBackslash(rule, bin_) + "help pages";
};

TEST_F(WebLaunchTest, StandInBrowserReceivesTheAddressAsOneArgument) {
  association.Register(Subs::AddBackslash(rule, bin_) + "stand_in_browser.exe");
  Subs::WebLauncher web(bin_, rule, shell, files, report);

  EXPECT_TRUE(web.LoadWebBrowser(0, "http://www.kestrel.example/index.htm?a=1"));
  EXPECT_EQ(WaitForArguments(),
            std::vector<std::string>{"http://www.kestrel.example/index.htm?a=1"});
  EXPECT_FALSE(Exists(Subs::AddBackslash(rule, bin_) + "TEMP.HTM"));
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(WebLaunchTest, HelpPageUnderAFolderWithABlankArrivesWhole) {
  association.Register(Subs::AddBackslash(rule, bin_) + "stand_in_browser.exe");
  Subs::WebLauncher web(blankFolder_, rule, shell, files, report);

  web.LoadHelpPage(0, "index.htm");
  EXPECT_EQ(WaitForArguments(), std::vector<std::string>{blankFolder_ + "\\index.htm"});
  EXPECT_FALSE(Exists(blankFolder_ + "\\TEMP.HTM"));
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(WebLaunchTest, NoProgramForHtmlPagesIsToldAndTheTemporaryPageIsGone) {
  association.Remove();
  Subs::WebLauncher web(bin_, rule, shell, files, report);

  EXPECT_TRUE(web.LoadWebBrowser(0, "http://www.kestrel.example/"));
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].title + ": " + boxes.shown[0].text,
            "Kestrel: Could not find Web Browser!");
  EXPECT_FALSE(Exists(Subs::AddBackslash(rule, bin_) + "TEMP.HTM"));
  EXPECT_FALSE(Exists(record_));
}

TEST_F(WebLaunchTest, AProgramFolderThatCannotBeWrittenIsReported) {
  Subs::WebLauncher web(bin_ + "\\no such folder", rule, shell, files, report);
  EXPECT_FALSE(web.LoadWebBrowser(0, "page.htm"));
  ASSERT_EQ(boxes.shown.size(), 1u);
  const std::string& text = boxes.shown[0].text;
  EXPECT_NE(text.find("\n\n76 - Path not found: "), std::string::npos) << text;
  EXPECT_NE(text.find("Routine: LoadWebBrowser\n\nAdditional Info: page.htm"), std::string::npos)
      << text;
}

// The project's prefix opens HTML pages in Wine's own browser, which hands
// them to the desktop's; help and web commands work for a user there.
TEST(HtmlPages, ThePrefixHasABrowserForThem) {
  const std::string page = kes_test::TempPath("kes_find_browser.htm");
  { std::ofstream(page) << "<HTML></HTML>\r\n"; }
  const platform::FoundExecutable browser = platform::Win32ShellLauncher().FindExecutableFor(page);
  DeleteFileA(page.c_str());
  EXPECT_GT(browser.code, 32);
  EXPECT_EQ(lstrcmpiA(browser.path.c_str(), "C:\\windows\\system32\\winebrowser.exe"), 0)
      << browser.path;
}

TEST(SystemFolders, WindowsDirectoryEndsInABackslashAndExists) {
  platform::Win32SystemFolders folders;
  RecordingBoxes boxes;
  const std::string windows =
      Subs::GetWindowsDir(folders, platform::Win32FileNameRule(), Subs::ErrorReport(boxes));
  ASSERT_GT(windows.size(), 3u);
  EXPECT_EQ(windows.back(), '\\');
  EXPECT_TRUE(Exists(windows + "win.ini")) << windows;
}

TEST(SystemFolders, ProgramFolderHoldsTheRunningProgram) {
  platform::Win32SystemFolders folders;
  const std::string folder = folders.ProgramFolder();
  EXPECT_NE(folder.back(), '\\');
  EXPECT_TRUE(Exists(folder + "\\general_web_tests.exe")) << folder;
}

}  // namespace
