// The programs on a Japanese system (ANSI code page 932), where the second
// byte of a character may read as a backslash or a letter: "\x95\x5C" and
// "\x83\x5C" end in the byte of a backslash, "\x83\x63" and "\x83\x43" are
// two katakana letters that differ in a byte of the letters' range.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "explorer/win32/frm_explorer.h"
#include "platform/text_sink.h"
#include "report/report_parser.h"
#include "report/report_writer.h"
#include "settings/settings_store.h"
#include "tests/wine/explorer/explorer_fixture.h"
#include "tests/wine/kesreport/kesreport_run.h"
#include "tests/wine/snapshot/child_process.h"
#include "tests/wine/uninstall/folder_helpers.h"

namespace {

using uninstall_test::Exists;

constexpr DWORD kPatienceMs = 60000;
const std::string kPackage = "C:\\kestrel-package-932\\";
const std::string kTsu = "C:\\\x83\x63\\";  // the child copy that ends
const std::string kI = "C:\\\x83\x43\\";    // the one that runs on
const std::string kChild = "kes_child.exe";

class CodePage932Test : public kes_test::ExplorerWineTest {
 protected:
  void SetUp() override {
    ASSERT_EQ(GetACP(), 932u) << "Wine did not start in code page 932";
    ExplorerWineTest::SetUp();
  }

  // In an explorer window's snapshot, Find "<tsu>" without Match case
  // selects the process from "C:\<tsu>"; F3 finds no other node, the
  // process from "C:\<i>" least of all.
  void FindTsuInTheExplorer() {
    explorerwin::frmExplorer& window = LoadFrame();
    std::string tsu;
    for (int p = 1; p <= window.Processes().Count(); ++p) {
      const clsProcess& process = window.Processes().Item(p);
      if (process.msExePath == kTsu + kChild) tsu = "Proc" + std::to_string(process.mlID);
    }
    ASSERT_FALSE(tsu.empty());
    const HWND tree = window.TreeView1();
    SetFocus(tree);
    kes_test::Press(*frame, tree, WM_KEYDOWN, 'F', VK_CONTROL);
    ASSERT_NE(window.FindBox(), nullptr);
    const HWND text = window.FindBox()->TextBox();
    SetWindowTextA(text, "\x83\x63");
    kes_test::Press(*frame, text, WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(kes_test::Selected(tree), window.Node(tsu));
    kes_test::Press(*frame, tree, WM_KEYDOWN, VK_F3);
    EXPECT_EQ(kes_test::Selected(tree), window.Node(tsu));
    EXPECT_TRUE(boxes.shown.empty());
  }
};

// Runs kesclean on the install that the settings key names, answering Yes to
// its question and to the one about files of the user's; the texts of any
// other box.
std::vector<std::string> Uninstall(const std::string& folder) {
  std::vector<std::string> unexpected;
  const PROCESS_INFORMATION started = kes_test::StartProgram("\"" + folder + "kesclean.exe\"");
  const platform::ScopedHandle process(started.hProcess), thread(started.hThread);
  uninstall_test::Within(kPatienceMs, [&] {
    for (const char* title :
         {"Confirm Uninstall", "Kestrel Uninstaller", "Program Error", "Kestrel Setup Uninstall"}) {
      if (const HWND box = uninstall_test::ShownWindow(nullptr, title)) {
        const std::string text = uninstall_test::BoxText(box);
        const bool question = std::string(title) == "Confirm Uninstall" ||
                              text.find("Delete them too?") != std::string::npos;
        if (!question) unexpected.push_back(std::string(title) + ": " + text);
        PostMessageA(box, WM_COMMAND, question ? IDYES : IDOK, 0);
      }
    }
    return WaitForSingleObject(process.Get(), 0) == WAIT_OBJECT_0;
  });
  // ST5UNST.EXE, started by kesclean, removes the listed files and the folder.
  uninstall_test::Within(kPatienceMs, [&] { return !Exists(folder); });
  return unexpected;
}

// SETUP /S into a folder whose name is double-byte, and into one whose name
// ends in a character whose second byte reads as a backslash; kesclean then
// leaves the drive and the registry as they were, save the setup toolkit's
// uninstaller in the Windows folder, which stays for every program's use.
TEST_F(CodePage932Test, SetupInstallsInTheFolderAndKescleanLeavesNothing) {
  uninstall_test::MakePackage(kPackage);
  for (const std::string folder :
       {"C:\\Program Files\\\x95\x5C\x8E\xA6\\", "C:\\Program Files\\\x83\x5C\\"}) {
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, Subs::kSettingsKey);
    const uninstall_test::Machine before = uninstall_test::MachineNow();
    const std::string line =
        "\"" + kPackage + "SETUP.EXE\" /S /D=" + folder.substr(0, folder.size() - 1);
    EXPECT_EQ(uninstall_test::RunAnswering(line, "Kestrel Setup").code, 0u) << folder;
    for (const char* file : {"kesview.exe", "kesclean.exe", "kesreport.exe", "keslink.dll",
                             "index.htm", "ST5UNST.LOG"}) {
      EXPECT_TRUE(Exists(folder + file)) << folder << file;
    }
    EXPECT_NE(kes_test::ReadAll(folder + "ST5UNST.LOG")
                  .find("PrivateFile: \"" + folder + "kesview.exe\"\r\n"),
              std::string::npos);
    // What the viewer's first start records.
    ASSERT_TRUE(kes_test::PutRegistryValue(HKEY_LOCAL_MACHINE, Subs::kSettingsKey, "Path", REG_SZ,
                                           folder + "kesview.exe" + '\0'));
    const std::vector<std::string> unexpected = Uninstall(folder);
    EXPECT_TRUE(unexpected.empty()) << unexpected.front();
    EXPECT_FALSE(Exists(folder)) << uninstall_test::Listing(folder);
    for (const std::string& change :
         uninstall_test::Changes(before, uninstall_test::MachineNow())) {
      if (change.rfind("drive +" + uninstall_test::WindowsDir() + "ST5UNST.EXE:", 0) != 0) {
        ADD_FAILURE() << folder << " left behind: " << change;
      }
    }
  }
  uninstall_test::RemoveTree(kPackage);
}

// Two copies of one program, from "C:\<tsu>" and "C:\<i>": the report holds
// both and reads back byte for byte; after the first ends, the comparison
// names exactly that one; Find "<tsu>" without Match case finds it and never
// the other.
TEST_F(CodePage932Test, ReportCompareAndFindKeepTheTwoCopiesApart) {
  const std::string before = kes_test::TempPath("kes932-before.txt");
  const std::string after = kes_test::TempPath("kes932-after.txt");
  for (const std::string& folder : {kTsu, kI}) {
    CreateDirectoryA(folder.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA((kes_test::ProgramFolder() + "snapshot_child.exe").c_str(),
                          (folder + kChild).c_str(), FALSE));
  }
  {
    const kes_test::ChildProcess staying(kI + kChild, "");
    {
      const kes_test::ChildProcess ending(kTsu + kChild, "");
      ASSERT_TRUE(staying.ready && ending.ready);
      EXPECT_EQ(kes_test::Kesreport("\"" + before + "\"").status, 0u);
      FindTsuInTheExplorer();
    }
    EXPECT_EQ(kes_test::Kesreport("\"" + after + "\"").status, 0u);
  }
  const std::string text = kes_test::ReadAll(before);
  for (const std::string& folder : {kTsu, kI}) {
    EXPECT_NE(text.find(folder + kChild + "\r\n"), std::string::npos) << folder;
  }
  Report::ParsedReport parsed = Report::ParseReport(text);
  ASSERT_TRUE(parsed.complete) << parsed.error;
  platform::StringSink again;
  Report::WriteReport(parsed.Records(), {parsed.generatedOn, parsed.idView}, again);
  EXPECT_EQ(again.text, text);

  const kes_test::Outcome compared =
      kes_test::Kesreport("/COMPARE \"" + before + "\" \"" + after + "\"");
  EXPECT_EQ(compared.status, 1u) << compared.err;
  const std::size_t ended = compared.out.find("PROCESSES ENDED\r\n");
  ASSERT_NE(ended, std::string::npos) << compared.out;
  const std::size_t next = compared.out.find("\r\n\r\n", ended);
  EXPECT_EQ(compared.out.substr(ended, next == std::string::npos ? next : next + 2 - ended),
            "PROCESSES ENDED\r\n  " + kTsu + kChild + "\r\n");
  EXPECT_EQ(compared.out.find(kI), std::string::npos) << compared.out;

  for (const std::string& folder : {kTsu, kI}) uninstall_test::RemoveTree(folder);
  DeleteFileA(before.c_str());
  DeleteFileA(after.c_str());
}

}  // namespace
