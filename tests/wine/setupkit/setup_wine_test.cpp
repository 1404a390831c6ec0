// SETUP.EXE /S as scripts run it, from a folder holding the package: a clean
// install, a second one over it, the refused folders, failures half-way,
// the way out that Add/Remove Programs takes, and the setup window. Afterwards the drive and the
// registry are what they were, save the user's files.
#include <gtest/gtest.h>
#include <windows.h>

#include "settings/settings_store.h"
#include "setupkit/setup/res/resource.h"
#include "setupkit/setup/setup_plan.h"
#include "tests/fakes/win32_helpers.h"
#include "tests/wine/uninstall/folder_helpers.h"

namespace uninstall_test {
namespace {

const std::string kPackage = "C:\\kestrel-package\\";
const std::string kFolder = "C:\\Program Files\\Kestrel Test";
constexpr DWORD kPatienceMs = 60000;

// Nothing changed since `before`.
void ExpectUnchanged(const Machine& before, const std::string& what) {
  for (const std::string& change : Changes(before, MachineNow())) {
    ADD_FAILURE() << what << ": " << change;
  }
}

// The package folder anew; from a CD or a read-only share its files are
// read-only.
void NewPackage(bool readOnly, const std::string& leftOut = "") {
  RemoveTree(kPackage);
  MakePackage(kPackage, leftOut);
  for (const std::string& file : PackageFiles()) {
    if (readOnly) SetFileAttributesA((kPackage + file).c_str(), FILE_ATTRIBUTE_READONLY);
  }
}

int RunSetup(const std::string& arguments) {
  return static_cast<int>(
      RunAnswering("\"" + kPackage + "SETUP.EXE\" " + arguments, setup::kTitle).code);
}

class SetupTest : public testing::Test {
 protected:
  void SetUp() override {
    RemoveTree(kPackage);
    MakePackage(kPackage);
  }
  void TearDown() override {
    RemoveTree(kFolder + "\\");
    RemoveTree(kPackage);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, Subs::kSettingsKey);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, setup::kUninstallKey);
    for (const std::string& shortcut : ShortcutFiles()) DeleteFileA(shortcut.c_str());
  }
};

TEST_F(SetupTest, InstallUseReinstallAndRemoveThroughAddRemovePrograms) {
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, Subs::kSettingsKey);
  NewPackage(true);
  const Machine before = MachineNow();
  ASSERT_EQ(RunSetup("/S /D=" + kFolder), setup::kInstalled);

  std::string log = "; Kestrel setup log\r\n";
  for (const char* file : {"kesview.exe", "kesclean.exe", "kesreport.exe", "keslink.dll",
                           "index.htm", "options.htm", "contact.htm"}) {
    log += "PrivateFile: \"" + kFolder + "\\" + file + "\"\r\n";
  }
  log += "Shortcut: \"Kestrel\"\r\nSettingsKey: \"Kestrel\"\r\nUninstallKey: \"Kestrel\"\r\n";
  EXPECT_EQ(ReadFile(kFolder + "\\ST5UNST.LOG"), log);
  for (const char* file : setup::kProgramFiles) {
    EXPECT_EQ(ReadFile(kFolder + "\\" + file), ReadFile(kPackage + file)) << file;
    EXPECT_EQ(GetFileAttributesA((kFolder + "\\" + file).c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    // Made read-only by the user: replaced all the same, not taken for in use.
    SetFileAttributesA((kFolder + "\\" + file).c_str(), FILE_ATTRIBUTE_READONLY);
  }
  EXPECT_EQ(ReadFile(WindowsDir() + "ST5UNST.EXE"), ReadFile(kPackage + "ST5UNST.EXE"));
  EXPECT_TRUE(Exists(WindowsDir() + "Start Menu\\Programs\\Kestrel.LNK"));
  EXPECT_EQ(MachineText(setup::kUninstallKey, "DisplayName"), "Kestrel");
  const std::string command = MachineText(setup::kUninstallKey, "UninstallString");
  EXPECT_EQ(command, "\"" + WindowsDir() + "ST5UNST.EXE\" -n \"" + kFolder + "\\ST5UNST.LOG\"");

  // Over the first install, with the viewer's settings and a file of the
  // user's. (The whole cycle starts the viewer and installs while it runs.)
  MakeFile(kFolder + "\\notes.txt", "mine");
  const std::string path = kFolder + "\\kesview.exe";
  HKEY settings = nullptr;
  RegCreateKeyA(HKEY_LOCAL_MACHINE, Subs::kSettingsKey, &settings);
  RegSetValueExA(settings, "Path", 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                 static_cast<DWORD>(path.size() + 1));
  RegCloseKey(settings);
  EXPECT_EQ(RunSetup("/S /D=" + kFolder), setup::kInstalled);
  EXPECT_EQ(ReadFile(kFolder + "\\notes.txt"), "mine");
  EXPECT_EQ(MachineText(Subs::kSettingsKey, "Path"), path);
  EXPECT_EQ(ReadFile(kFolder + "\\ST5UNST.LOG"), log);

  // Add/Remove Programs runs the command.
  const Answered removal = RunAnswering(command, "Setup Log Uninstaller");
  EXPECT_EQ(removal.code, 0u);
  EXPECT_TRUE(removal.boxes.empty()) << removal.boxes.front();
  EXPECT_EQ(ReadFile(kFolder + "\\notes.txt"), "mine");
  DeleteFileA((kFolder + "\\notes.txt").c_str());
  RemoveDirectoryA(kFolder.c_str());
  ExpectUnchanged(before, "removed through Add/Remove Programs");
}

TEST_F(SetupTest, RefusedFoldersAndFailuresChangeNothing) {
  char system[MAX_PATH] = {};
  GetSystemDirectoryA(system, MAX_PATH);
  const std::string foreign = "C:\\Program Files\\Other\\";
  MakeFile(foreign + "ST5UNST.LOG", "PrivateFile: \"" + foreign + "other.exe\"\r\n");
  // Another program's log, written without quotes, beside its own index.htm.
  MakeFile("C:\\Web\\ST5UNST.LOG",
           "PrivateFile: C:\\Web\\webtool.exe\r\nPrivateFile: C:\\Web\\index.htm\r\n");
  MakeFile("C:\\Web\\index.htm", "theirs");
  // An entry without its command: a failure after the entry is written takes
  // the value it added away again.
  HKEY entry = nullptr;
  RegCreateKeyA(HKEY_LOCAL_MACHINE, setup::kUninstallKey, &entry);
  RegSetValueExA(entry, "DisplayName", 0, REG_SZ, reinterpret_cast<const BYTE*>("Old"), 4);
  RegCloseKey(entry);
  // A folder where a file of Kestrel's log goes stops the install half-way,
  // after the install folder and the first files; one where the shortcut
  // goes stops it at the end, with every file in place.
  // Copies from a read-only package are read-only until setup clears them.
  const struct {
    std::string arguments, leftOut, blocker;
    int status;
    bool readOnly = false;
  } cases[] = {
      {"/S /D=C:\\", "", "", setup::kFolderRefused},
      {"/S /D=" + WindowsDir(), "", "", setup::kFolderRefused},
      {"/S /D=" + std::string(system), "", "", setup::kFolderRefused},
      {"/S /D=" + kSecondName + (system + WindowsDir().size()), "", "", setup::kFolderRefused},
      {"/S /D=" + foreign, "", "", setup::kFolderRefused},
      {"/S /D=C:\\Web", "", "", setup::kFolderRefused},
      {"/S /D=Kestrel", "", "", setup::kFolderRefused},
      {"/S /D=" + kFolder, "contact.htm", "", setup::kNotInstalled},
      {"/S /D=" + kFolder, "", kFolder + "\\options.htm", setup::kNotInstalled},
      {"/S /D=" + kFolder, "", kFolder + "\\options.htm", setup::kNotInstalled, true},
      {"/S /D=" + kFolder, "", WindowsDir() + "Start Menu\\Programs\\Kestrel.LNK",
       setup::kNotInstalled},
      {"/S /D=" + kFolder, "", WindowsDir() + "Start Menu\\Programs\\Kestrel.LNK",
       setup::kNotInstalled, true},
      {"/S /X", "", "", setup::kBadCommandLine},
  };
  for (const auto& c : cases) {
    NewPackage(c.readOnly, c.leftOut);
    if (!c.blocker.empty()) {
      MakeFolders(c.blocker + "\\");
    }
    if (c.blocker.starts_with(kFolder + "\\")) {  // listed by an earlier install's log
      MakeFile(kFolder + "\\ST5UNST.LOG", "PrivateFile: \"" + kFolder +
                                              "\\kesview.exe\"\r\nPrivateFile: \"" + c.blocker +
                                              "\"\r\n");
    }
    const Machine blocked = MachineNow();
    EXPECT_EQ(RunSetup(c.arguments), c.status) << c.arguments;
    ExpectUnchanged(blocked, c.arguments);
    if (!c.blocker.empty()) {
      RemoveDirectoryA(c.blocker.c_str());
      RemoveTree(kFolder + "\\");  // made for the first blocker; each case starts without it
    }
  }
  RemoveTree(foreign);
  RemoveTree("C:\\Web\\");
}

// The window: it offers the default folder; Cancel changes nothing; OK on
// a typed folder installs there and asks whether to start the viewer.
TEST_F(SetupTest, TheSetupWindow) {
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, Subs::kSettingsKey);
  const Machine before = MachineNow();
  for (const bool ok : {false, true}) {
    const PROCESS_INFORMATION started = kes_test::StartProgram("\"" + kPackage + "SETUP.EXE\"");
    const platform::ScopedHandle process(started.hProcess), thread(started.hThread);
    HWND window = nullptr;
    ASSERT_TRUE(
        Within(kPatienceMs, [&] { return (window = ShownWindow("#32770", setup::kTitle)); }));
    char folder[MAX_PATH] = {};
    GetDlgItemTextA(window, IDC_FOLDER, folder, MAX_PATH);
    EXPECT_STREQ(folder, "C:\\Program Files\\Kestrel");
    std::string question;
    if (ok) {
      SetDlgItemTextA(window, IDC_FOLDER, kFolder.c_str());
      PostMessageA(window, WM_COMMAND, IDOK, 0);
      HWND box = nullptr;
      ASSERT_TRUE(Within(kPatienceMs, [&] {
        box = ShownWindow("#32770", setup::kTitle);
        return box != nullptr && box != window;
      }));
      question = BoxText(box);
      PostMessageA(box, WM_COMMAND, IDNO, 0);
    } else {
      PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    }
    ASSERT_EQ(WaitForSingleObject(process.Get(), kPatienceMs), WAIT_OBJECT_0);
    DWORD code = 0;
    GetExitCodeProcess(process.Get(), &code);
    EXPECT_EQ(code, ok ? 0u : 1u);
    EXPECT_EQ(question, ok ? "Kestrel is installed in\n" + kFolder +
                                 "\n\nUse \"Add/Remove Programs\" in the Control Panel to remove "
                                 "it.\n\nStart Kestrel now?"
                           : "");
    EXPECT_EQ(Exists(kFolder + "\\kesview.exe"), ok);
  }
  EXPECT_EQ(
      RunAnswering(MachineText(setup::kUninstallKey, "UninstallString"), "Setup Log Uninstaller")
          .code,
      0u);
  ExpectUnchanged(before, "installed in the window and removed");
}

}  // namespace
}  // namespace uninstall_test
