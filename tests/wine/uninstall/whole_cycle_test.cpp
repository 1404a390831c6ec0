// The whole cycle as a user lives it, driven from outside through the
// programs' windows: SETUP.EXE /S run from a folder holding the package, the
// viewer's first start with its welcome, the first explorer window, a
// click on a process, a report through File > Print To File and the Save As
// dialog, the five shortcuts ticked in the options dialog; then a few files
// of one's own, kesclean answered Yes, and what is left once ST5UNST.EXE has
// finished, when the drive and the registry are what they were before the
// install, save the user's files. A probe stands in for ST5UNST.EXE for the run: it writes down
// its command line and the install folder as it found it, then hands over to
// the real program.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "explorer/explorer_menus.h"
#include "explorer/win32/frm_explorer.h"
#include "settings/settings_store.h"
#include "settings/win32/frm_options.h"
#include "shell/remote/remote_windows.h"
#include "tests/fakes/win32_helpers.h"
#include "tests/wine/uninstall/folder_helpers.h"

namespace uninstall_test {
namespace {

const std::string kFolder = "C:\\Program Files\\Kestrel\\";
const std::string kPackage = "C:\\kestrel-package\\";
// The report goes beside the install folder and outlives the uninstall.
const std::string kReport = "C:\\Program Files\\Kestrel Report.txt";
constexpr DWORD kPatienceMs = 60000;
// The explorer window's File > Print To File... and Tools > Options..., as
// its menu sends them to the frame.
const int kPrintToFile =
    explorerwin::frmExplorer::MenuCommand(Subs::FrameMenu::kFile, Explorer::kFilePrintToFile);
const int kOptions =
    explorerwin::frmExplorer::MenuCommand(Subs::FrameMenu::kTools, Subs::kToolsOptions);

// A program started for the test; ended by force if it is still running
// when the test is done with it, so a failed step leaves nothing behind.
struct Running {
  explicit Running(const std::string& commandLine) {
    const PROCESS_INFORMATION started = kes_test::StartProgram(commandLine);
    process = platform::ScopedHandle(started.hProcess);
    thread = platform::ScopedHandle(started.hThread);
  }
  ~Running() {
    if (process.Valid() && WaitForSingleObject(process.Get(), 0) == WAIT_TIMEOUT) {
      TerminateProcess(process.Get(), 1);
    }
  }
  Running(const Running&) = delete;
  Running& operator=(const Running&) = delete;
  platform::ScopedHandle process;
  platform::ScopedHandle thread;
};

// The report's text with the moment of writing replaced by "<moment>".
std::string WithoutMoment(std::string text) {
  const std::string label = "Output Generated On ";
  const auto at = text.find(label);
  if (at != std::string::npos) {
    const auto start = at + label.size();
    text.replace(start, text.find("\r\n", start) - start, "<moment>");
  }
  return text;
}

class WholeCycleTest : public testing::Test {
 protected:
  void TearDown() override {
    // Back to what tools/install left in the Windows folder.
    if (Exists(real_)) {
      DeleteFileA(probeAt_.c_str());
      MoveFileA(real_.c_str(), probeAt_.c_str());
    }
    DeleteFileA(record_.c_str());
    RemoveTree(kFolder);
    RemoveTree(kPackage);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE,
                  "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Kestrel");
    DeleteFileA(kReport.c_str());
    for (const std::string& shortcut : ShortcutFiles()) {
      DeleteFileA(shortcut.c_str());
    }
  }

  const std::string probeAt_ = WindowsDir() + "ST5UNST.EXE";
  const std::string real_ = WindowsDir() + "st5unst_real.exe";
  const std::string record_ = WindowsDir() + "st5unst_probe.txt";
};

TEST_F(WholeCycleTest, InstallUseAndUninstall) {
  // The install into the default folder, from the package.
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, Subs::kSettingsKey);
  DeleteFileA(kReport.c_str());
  RemoveTree(kPackage);
  MakePackage(kPackage);
  const Machine before = MachineNow();
  ASSERT_EQ(RunAnswering("\"" + kPackage + "SETUP.EXE\" /S", "Kestrel Setup").code, 0u);
  ASSERT_TRUE(Exists(kFolder + "ST5UNST.LOG"));
  ASSERT_TRUE(Exists(probeAt_));

  // The viewer's first start: welcomed, its frame and first explorer window
  // opened, a process clicked, a report printed to a file, the five shortcuts
  // ticked in the options dialog, and the frame closed again.
  {
    const Running viewer("\"" + kFolder + "kesview.exe\"");
    ASSERT_TRUE(viewer.process.Valid());
    HWND welcome = nullptr;
    ASSERT_TRUE(Within(kPatienceMs, [&] { return (welcome = ShownWindow(nullptr, "Welcome!")); }));
    EXPECT_NE(BoxText(welcome).find("This appears to be your first time running Kestrel."),
              std::string::npos)
        << BoxText(welcome);
    PostMessageA(welcome, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(Within(kPatienceMs, kesremote::ExplorerLoaded));
    const HWND frame = kesremote::Frame();
    const HWND explorer = kesremote::FirstExplorer();
    EXPECT_EQ(kesremote::Caption(frame), "Kestrel(tm) - What's Running In Memory");
    const std::string snapshotCaption = kesremote::Caption(explorer);
    EXPECT_EQ(snapshotCaption.rfind("Snapshot Taken At ", 0), 0u) << snapshotCaption;

    // A click on the viewer's own process in the tree shows its sheet.
    kesremote::RemoteControl tree(FindWindowExA(explorer, nullptr, WC_TREEVIEWA, nullptr));
    kesremote::RemoteControl list(FindWindowExA(explorer, nullptr, WC_LISTVIEWA, nullptr));
    const HTREEITEM processes = tree.FindItem(nullptr, "Processes");
    ASSERT_NE(processes, nullptr);
    const HTREEITEM own = tree.FindItem(processes, kFolder + "kesview.exe");
    ASSERT_NE(own, nullptr);
    ASSERT_TRUE(tree.ClickItem(own));
    EXPECT_TRUE(Within(kPatienceMs, [&] { return list.Cell(0, 0) == "Process:"; }));
    EXPECT_EQ(list.Headers(), (std::vector<std::string>{"Item", "Value"}));
    platform::Win32FileNameRule names;
    EXPECT_TRUE(platform::SameFileName(names, list.Cell(0, 1), kFolder + "kesview.exe"));
    std::printf("whole cycle: the process's sheet begins \"%s %s\", \"%s %s\"\n",
                list.Cell(0, 0).c_str(), list.Cell(0, 1).c_str(), list.Cell(1, 0).c_str(),
                list.Cell(1, 1).c_str());

    // File > Print To File..., the Save As dialog, and the confirmation.
    PostMessageA(frame, WM_COMMAND, kPrintToFile, 0);
    ASSERT_TRUE(Within(kPatienceMs, [&] { return kesremote::SaveAs("Print To File", kReport); }));
    HWND confirmed = nullptr;
    ASSERT_TRUE(Within(kPatienceMs,
                       [&] { return (confirmed = ShownWindow(nullptr, kReport)) != nullptr; }));
    EXPECT_EQ(BoxText(confirmed), "Output File Created");
    PostMessageA(confirmed, WM_COMMAND, IDOK, 0);

    // Tools > Options..., every shortcut box ticked, OK.
    PostMessageA(frame, WM_COMMAND, kOptions, 0);
    HWND options = nullptr;
    ASSERT_TRUE(Within(kPatienceMs, [&] {
      return (options = ShownWindow(nullptr, settingswin::frmOptions::kCaption)) != nullptr;
    }));
    const HWND page = GetDlgItem(options, settingswin::frmOptions::kPageId);
    // The setup program made the Programs menu shortcut (box 3).
    for (int box : {0, 1, 2, 3, 5}) {
      const int id = settingswin::frmOptions::kShortcutBoxId + box;
      const bool ticked = SendDlgItemMessageA(page, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
      EXPECT_EQ(ticked, box == 3) << box;
      if (!ticked) {
        SendDlgItemMessageA(page, id, BM_CLICK, 0, 0);
      }
    }
    PostMessageA(GetDlgItem(options, IDOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(Within(kPatienceMs, [&] { return !IsWindow(options); }));
    for (const std::string& shortcut : ShortcutFiles()) {
      EXPECT_TRUE(Exists(shortcut)) << shortcut;
    }

    // Setup again while the viewer runs: refused, nothing left half-way.
    const std::string installed = Listing(kFolder);
    EXPECT_EQ(RunAnswering("\"" + kPackage + "SETUP.EXE\" /S", "Kestrel Setup").code, 1u);
    EXPECT_EQ(Listing(kFolder), installed);

    PostMessageA(frame, WM_CLOSE, 0, 0);
    ASSERT_EQ(WaitForSingleObject(viewer.process.Get(), kPatienceMs), WAIT_OBJECT_0);

    const std::string report = ReadFile(kReport);
    const std::string head = report.substr(0, report.find("\r\nTOP WINDOWS\r\n"));
    std::printf("whole cycle: the report begins\n%s\n", head.c_str());
    const std::string rule(72, '-');
    EXPECT_EQ(WithoutMoment(head),
              "Kestrel(tm) Snapshot Report - top windows, processes, modules, versions.\r\n"
              "Output Generated On <moment>\r\n" +
                  rule + "\r\n" + snapshotCaption + "\r\n" + rule + "\r\n");
  }
  EXPECT_EQ(MachineText(Subs::kSettingsKey, "Path"), kFolder + "kesview.exe");

  // Files of the user's own in the install folder: read-only, hidden.
  MakeFile(kFolder + "notes.txt", "mine", FILE_ATTRIBUTE_READONLY);
  MakeFile(kFolder + "TEMP.HTM", "", FILE_ATTRIBUTE_HIDDEN);

  // The probe takes ST5UNST.EXE's place for this run.
  DeleteFileA(record_.c_str());
  DeleteFileA(real_.c_str());  // left by a run that was stopped half-way
  ASSERT_TRUE(MoveFileA(probeAt_.c_str(), real_.c_str()));
  ASSERT_TRUE(CopyFileA((kes_test::ProgramFolder() + "st5unst_probe.exe").c_str(), probeAt_.c_str(),
                        FALSE));

  // kesclean, answered Yes; any other box is a finding.
  std::vector<std::string> unexpected;
  std::string confirmation;
  std::string usersFiles;
  bool sawWindow = false;
  {
    const Running cleaner("\"" + kFolder + "kesclean.exe\"");
    ASSERT_TRUE(cleaner.process.Valid());
    HWND confirm = nullptr;
    ASSERT_TRUE(Within(kPatienceMs, [&] {
      return (confirm = ShownWindow(nullptr, "Confirm Uninstall")) != nullptr;
    }));
    confirmation = BoxText(confirm);
    PostMessageA(confirm, WM_COMMAND, IDYES, 0);
    EXPECT_TRUE(Within(kPatienceMs, [&] {
      sawWindow = sawWindow || ShownWindow(nullptr, "Uninstalling Kestrel") != nullptr;
      for (const char* title : {"Kestrel Uninstaller", "Program Error"}) {
        if (const HWND box = ShownWindow(nullptr, title)) {
          // The user's own files are named, and deleted only on Yes.
          if (BoxText(box).find("Delete them too?") != std::string::npos) {
            usersFiles = BoxText(box);
            PostMessageA(box, WM_COMMAND, IDYES, 0);
            continue;
          }
          unexpected.push_back(std::string(title) + ": " + BoxText(box));
          PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
      }
      return WaitForSingleObject(cleaner.process.Get(), 0) == WAIT_OBJECT_0;
    }));
  }
  EXPECT_EQ(confirmation,
            "Are you sure you want to uninstall Kestrel?\n\n"
            "(Before uninstalling, ensure Kestrel is not currently running)");
  EXPECT_TRUE(unexpected.empty()) << unexpected.front();
  EXPECT_NE(usersFiles.find("\n\nnotes.txt\n\n"), std::string::npos) << usersFiles;
  std::printf("whole cycle: the window \"Uninstalling Kestrel\" was %s\n",
              sawWindow ? "seen" : "too quick to be seen");

  // What ST5UNST.EXE was started with, and what it found when it started.
  ASSERT_TRUE(Within(kPatienceMs, [&] { return Exists(record_); }));
  Sleep(200);  // the probe may still be writing
  const std::string record = ReadFile(record_);
  std::printf("whole cycle: ST5UNST.EXE's record:\n%s", record.c_str());
  EXPECT_EQ(record.substr(0, record.find("\r\n")), probeAt_ + " -n \"" + kFolder + "ST5UNST.LOG\"");
  for (const char* listed : {"kesview.exe", "kesclean.exe", "keslink.dll", "index.htm",
                             "options.htm", "contact.htm", "ST5UNST.LOG"}) {
    EXPECT_NE(record.find(std::string("\r\n") + listed + "\r\n"), std::string::npos) << listed;
  }
  for (const char* unlisted : {"notes.txt", "TEMP.HTM"}) {
    EXPECT_EQ(record.find(std::string("\r\n") + unlisted + "\r\n"), std::string::npos) << unlisted;
  }
  EXPECT_NE(record.find("\r\ndone 0\r\n"), std::string::npos);

  // What is left: the report, and nothing of the install.
  EXPECT_FALSE(Exists(kFolder)) << Listing(kFolder);
  EXPECT_TRUE(Exists(kReport));
  for (const std::string& shortcut : ShortcutFiles()) {
    EXPECT_FALSE(Exists(shortcut)) << shortcut;
  }
  EXPECT_EQ(MachineText(Subs::kSettingsKey, "Path"), "<no key>");
  DeleteFileA(kReport.c_str());
  for (const std::string& change : Changes(before, MachineNow())) {
    ADD_FAILURE() << "left behind: " << change;
  }
}

}  // namespace
}  // namespace uninstall_test
