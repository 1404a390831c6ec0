// The whole cycle as a user makes it, on what tools/install laid out (the
// runner installs first): run the viewer once, have the shortcut routines
// make the five shortcuts through the installed keslink.dll, add a few files
// of one's own, run kesclean and answer Yes, then see what is left once
// ST5UNST.EXE has finished. A probe stands in for ST5UNST.EXE for the
// run: it writes down its command line and the install folder as it found
// it, then hands over to the real program.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "platform/win32/shell_links_win32.h"
#include "settings/settings_store.h"
#include "settings/shortcuts.h"
#include "tests/fakes/recording_boxes.h"
#include "tests/fakes/win32_helpers.h"
#include "tests/wine/uninstall/folder_helpers.h"

namespace uninstall_test {
namespace {

const std::string kFolder = "C:\\Program Files\\Kestrel\\";
const std::string kOutside = "C:\\Program Files\\kestrel_outside.txt";
constexpr DWORD kPatienceMs = 60000;

// Polls `done` every 50 ms until it holds or the time is up.
bool Within(DWORD ms, const std::function<bool()>& done) {
  for (DWORD waited = 0; waited < ms; waited += 50) {
    if (done()) {
      return true;
    }
    Sleep(50);
  }
  return done();
}

HWND ShownWindow(const char* className, const std::string& caption) {
  const HWND window = FindWindowA(className, caption.empty() ? nullptr : caption.c_str());
  return window != nullptr && IsWindowVisible(window) ? window : nullptr;
}

// The text of a message box (its static text control).
std::string BoxText(HWND box) {
  char text[1024] = {};
  GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
  return text;
}

std::string ReadFile(const std::string& path) {
  std::string text;
  if (FILE* file = std::fopen(path.c_str(), "rb")) {
    char chunk[1024];
    for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, file)) > 0;) {
      text.append(chunk, n);
    }
    std::fclose(file);
  }
  return text;
}

std::string StoredPath() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, Subs::kSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return "<no key>";
  }
  char path[MAX_PATH] = {};
  DWORD size = sizeof path;
  const LONG read =
      RegQueryValueExA(key, "Path", nullptr, nullptr, reinterpret_cast<BYTE*>(path), &size);
  RegCloseKey(key);
  return read == ERROR_SUCCESS ? path : "<no value>";
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
    DeleteFileA(kOutside.c_str());
    for (const std::string& shortcut : ShortcutFiles()) {
      DeleteFileA(shortcut.c_str());
    }
  }

  const std::string probeAt_ = WindowsDir() + "ST5UNST.EXE";
  const std::string real_ = WindowsDir() + "st5unst_real.exe";
  const std::string record_ = WindowsDir() + "st5unst_probe.txt";
};

TEST_F(WholeCycleTest, InstallUseAndUninstall) {
  ASSERT_TRUE(Exists(kFolder + "ST5UNST.LOG")) << "run tools/install first";
  ASSERT_TRUE(Exists(probeAt_));

  // The viewer, once: welcomed, its frame opened and closed again.
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, Subs::kSettingsKey);
  {
    const PROCESS_INFORMATION started = kes_test::StartProgram("\"" + kFolder + "kesview.exe\"");
    const platform::ScopedHandle viewer(started.hProcess), thread(started.hThread);
    ASSERT_TRUE(viewer.Valid());
    HWND welcome = nullptr;
    ASSERT_TRUE(Within(kPatienceMs, [&] { return (welcome = ShownWindow(nullptr, "Welcome!")); }));
    PostMessageA(welcome, WM_COMMAND, IDOK, 0);
    HWND frame = nullptr;
    ASSERT_TRUE(Within(kPatienceMs,
                       [&] { return (frame = ShownWindow("KestrelMDIMain", "")) != nullptr; }));
    PostMessageA(frame, WM_CLOSE, 0, 0);
    ASSERT_EQ(WaitForSingleObject(viewer.Get(), kPatienceMs), WAIT_OBJECT_0);
  }
  EXPECT_EQ(StoredPath(), kFolder + "kesview.exe");

  // The five shortcuts, as the options dialog makes them: the shortcut
  // routines and the shell-link library installed beside the viewer.
  {
    platform::Win32ShellLinks links(kFolder + "keslink.dll");
    kes_test::RecordingBoxes boxes;
    ASSERT_TRUE(
        Subs::SetShortcuts(links, boxes, "Kestrel", kFolder + "kesview.exe", 1, 1, 1, 1, 1));
    EXPECT_TRUE(boxes.shown.empty()) << boxes.shown.front().text;
  }
  for (const std::string& shortcut : ShortcutFiles()) {
    ASSERT_TRUE(Exists(shortcut)) << shortcut;
  }

  // Files of the user's own: read-only, hidden, in a subfolder, outside.
  MakeFile(kFolder + "notes.txt", "mine", FILE_ATTRIBUTE_READONLY);
  MakeFile(kFolder + "TEMP.HTM", "", FILE_ATTRIBUTE_HIDDEN);
  MakeFile(kFolder + "Saved\\report.txt", "kept");
  MakeFile(kOutside, "outside");

  // The probe takes ST5UNST.EXE's place for this run.
  DeleteFileA(record_.c_str());
  DeleteFileA(real_.c_str());  // left by a run that was stopped half-way
  ASSERT_TRUE(MoveFileA(probeAt_.c_str(), real_.c_str()));
  ASSERT_TRUE(CopyFileA((kes_test::ProgramFolder() + "st5unst_probe.exe").c_str(), probeAt_.c_str(),
                        FALSE));

  // kesclean, answered Yes; any other box is a finding.
  std::vector<std::string> unexpected;
  std::string confirmation;
  bool sawWindow = false;
  {
    const PROCESS_INFORMATION started = kes_test::StartProgram("\"" + kFolder + "kesclean.exe\"");
    const platform::ScopedHandle cleaner(started.hProcess), thread(started.hThread);
    ASSERT_TRUE(cleaner.Valid());
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
          unexpected.push_back(std::string(title) + ": " + BoxText(box));
          PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
      }
      return WaitForSingleObject(cleaner.Get(), 0) == WAIT_OBJECT_0;
    }));
  }
  EXPECT_EQ(confirmation,
            "Are you sure you want to uninstall Kestrel?\n\n"
            "(Before uninstalling, ensure Kestrel is not currently running)");
  EXPECT_TRUE(unexpected.empty()) << unexpected.front();
  std::printf("whole cycle: the window \"Uninstalling Kestrel\" was %s\n",
              sawWindow ? "seen" : "too quick to be seen");

  // What ST5UNST.EXE was started with, and what it found when it started.
  ASSERT_TRUE(Within(kPatienceMs, [&] { return Exists(record_); }));
  Sleep(200);  // the probe may still be writing
  const std::string record = ReadFile(record_);
  std::printf("whole cycle: ST5UNST.EXE's record:\n%s", record.c_str());
  EXPECT_EQ(record.substr(0, record.find("\r\n")), probeAt_ + " -n \"" + kFolder + "ST5UNST.LOG\"");
  for (const char* listed : {"kesview.exe", "kesclean.exe", "keslink.dll", "index.htm",
                             "options.htm", "contact.htm", "ST5UNST.LOG", "Saved"}) {
    EXPECT_NE(record.find(std::string("\r\n") + listed + "\r\n"), std::string::npos) << listed;
  }
  for (const char* unlisted : {"notes.txt", "TEMP.HTM"}) {
    EXPECT_EQ(record.find(std::string("\r\n") + unlisted + "\r\n"), std::string::npos) << unlisted;
  }
  EXPECT_NE(record.find("\r\ndone 0\r\n"), std::string::npos);

  // What is left.
  const std::string left = Listing(kFolder);
  std::printf("whole cycle: left in the install folder: %s\n", left.c_str());
  EXPECT_EQ(left, "Saved:16 [report.txt:0 ] ");
  EXPECT_TRUE(Exists(kOutside));
  for (const std::string& shortcut : ShortcutFiles()) {
    EXPECT_FALSE(Exists(shortcut)) << shortcut;
  }
  EXPECT_EQ(StoredPath(), "<no key>");
}

}  // namespace
}  // namespace uninstall_test
