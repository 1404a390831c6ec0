#include <windows.h>
// clang-format off
#include <commctrl.h>
#include <objbase.h>
#include <shlobj.h>
// clang-format on

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/win32/file_attributes_win32.h"
#include "platform/win32/file_facts_win32.h"
#include "platform/win32/file_name_rule_win32.h"
#include "platform/win32/scoped_handle.h"
#include "platform/win32/shell_folder_win32.h"
#include "platform/win32/shell_links_win32.h"
#include "settings/options.h"
#include "settings/settings_store.h"
#include "settings/win32/frm_options.h"
#include "shell/app_strings.h"
#include "shell/win32/mdi_main.h"
#include "tests/fakes/failure_of.h"
#include "tests/fakes/win32_helpers.h"
#include "tests/wine/shell/shell_fixture.h"

namespace kes_test {
namespace {

using settingswin::frmOptions;

// The five places below the Windows directory, in the viewer's order.
const std::vector<std::string> kPlaces = {
    "Application Data\\Microsoft\\Internet Explorer\\Quick Launch", "Desktop",
    "Start Menu\\Programs", "Start Menu\\Programs\\Startup", "Start Menu"};

std::string WindowsDir() {
  char buffer[MAX_PATH] = {};
  GetWindowsDirectoryA(buffer, MAX_PATH);
  return buffer;
}

std::string LinkFile(const std::string& place) {
  return WindowsDir() + "\\" + place + "\\Kestrel.LNK";
}

bool IsFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// Which of the five places hold a shortcut file.
std::vector<bool> LinksPresent() {
  std::vector<bool> present;
  for (const std::string& place : kPlaces) present.push_back(IsFile(LinkFile(place)));
  return present;
}

// The program a shortcut file points at and its arguments ("path args"),
// read back through the shell's own link object; "<unreadable>" when it
// cannot be loaded.
std::string LinkTarget(const std::string& file) {
  const HRESULT com = CoInitialize(nullptr);
  std::string target = "<unreadable>";
  IShellLinkA* link = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&link)))) {
    IPersistFile* persist = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist)))) {
      wchar_t wide[MAX_PATH] = {};
      MultiByteToWideChar(CP_ACP, 0, file.c_str(), -1, wide, MAX_PATH);
      char path[MAX_PATH] = {};
      char arguments[MAX_PATH] = {};
      if (SUCCEEDED(persist->Load(wide, STGM_READ)) &&
          SUCCEEDED(link->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH)) &&
          SUCCEEDED(link->GetArguments(arguments, MAX_PATH))) {
        target = std::string(path) + " " + arguments;
      }
      persist->Release();
    }
    link->Release();
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return target;
}

std::string Lower(std::string text) {
  CharLowerA(text.data());
  return text;
}

std::string ThisProgram() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}

HWND OnPage(HWND dialog, int page, int id) {
  return GetDlgItem(GetDlgItem(dialog, frmOptions::kPageId + page), id);
}
HWND Box(HWND dialog, int index) { return OnPage(dialog, 0, frmOptions::kShortcutBoxId + index); }
bool Ticked(HWND dialog, int index) {
  return SendMessageA(Box(dialog, index), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// The shell-link library moved aside for one test.
class LibraryAway {
 public:
  explicit LibraryAway(std::string library) : library_(std::move(library)) {
    moved = MoveFileA(library_.c_str(), (library_ + ".away").c_str()) != 0;
  }
  ~LibraryAway() {
    if (moved) MoveFileA((library_ + ".away").c_str(), library_.c_str());
  }
  LibraryAway(const LibraryAway&) = delete;
  LibraryAway& operator=(const LibraryAway&) = delete;
  bool moved = false;

 private:
  std::string library_;
};

class OptionsWineTest : public ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    Subs::gsAppName = Subs::kAppName;
    RemoveLinks();
  }
  void TearDown() override {
    RemoveLinks();
    ShellFixture::TearDown();
  }
  static void RemoveLinks() {
    for (const std::string& place : kPlaces) DeleteFileA(LinkFile(place).c_str());
  }

  // Opens the dialog; `user` acts on it once it shows.
  void Open(std::function<void(HWND)> user) {
    driver.When(frmOptions::kCaption, std::move(user));
    frmOptions dialog(context, services);
    dialog.ShowModal(nullptr);
  }
  void CreateLink(const std::string& libraryFolder) {
    ASSERT_NE(links.CreateShellLink(libraryFolder, "Kestrel", program, ""), 0) << libraryFolder;
  }

  const std::string library = ProgramFolder() + "keslink.dll";
  const std::string program = ThisProgram();
  platform::Win32FileFacts facts;
  platform::Win32ShellFolders shell;
  platform::Win32PathAttributes attributes;
  platform::Win32ShellLinks links{library};
  platform::Win32FileNameRule rule;
  Subs::OptionsServices services{api,   folders, facts,     shell,  attributes,
                                 links, rule,    "Kestrel", program};
};

TEST_F(OptionsWineTest, OpeningShowsTheShortcutPageWithItsBoxesInOrder) {
  std::vector<std::string> captions;
  std::vector<std::string> tabs;
  bool snapshotBoxesGreyed = true;
  bool displayPageHidden = false;
  Open([&](HWND dialog) {
    for (int index : {0, 5, 1, 2, 3}) captions.push_back(TextOf(Box(dialog, index)));
    HWND tabStrip = GetDlgItem(dialog, frmOptions::kTabStripId);
    for (int i = 0; i < TabCtrl_GetItemCount(tabStrip); ++i) {
      char text[64] = {};
      TCITEMA item{};
      item.mask = TCIF_TEXT;
      item.pszText = text;
      item.cchTextMax = sizeof text;
      SendMessageA(tabStrip, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
      tabs.push_back(text);
    }
    for (int i = 0; i < 3; ++i) {
      snapshotBoxesGreyed &= !IsWindowEnabled(OnPage(dialog, 1, frmOptions::kGetBoxId + i));
    }
    displayPageHidden = !IsWindowVisible(GetDlgItem(dialog, frmOptions::kPageId + 1));
    ClickButton(dialog, IDCANCEL);
  });
  EXPECT_EQ(captions,
            (std::vector<std::string>{
                "Run Kestrel At Start Up (Places Kestrel in Start Up Group)",
                "Create Kestrel Icon In 'Quick Launch' Area", "Create Kestrel Desktop Shortcut",
                "Create Kestrel Icon In Start Menu", "Create Kestrel Shortcut In Program Menu"}));
  EXPECT_EQ(tabs, (std::vector<std::string>{"System Options", "Display"}));
  EXPECT_TRUE(snapshotBoxesGreyed);
  EXPECT_TRUE(displayPageHidden);
}

TEST_F(OptionsWineTest, UntickingDesktopRemovesOnlyThatShortcut) {
  for (const char* folder : {"..\\..\\Application Data\\Microsoft\\Internet Explorer\\Quick Launch",
                             "..\\..\\Desktop", "", "\\Startup", "..\\..\\Start Menu"}) {
    CreateLink(folder);
  }
  ASSERT_EQ(LinksPresent(), std::vector<bool>(5, true));
  std::vector<bool> ticked;
  Open([&](HWND dialog) {
    for (int index : {5, 1, 3, 0, 2}) ticked.push_back(Ticked(dialog, index));
    SendMessageA(Box(dialog, 1), BM_CLICK, 0, 0);
    ClickButton(dialog, IDOK);
  });
  EXPECT_EQ(ticked, std::vector<bool>(5, true));
  EXPECT_EQ(LinksPresent(), (std::vector<bool>{true, false, true, true, true}));
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(OptionsWineTest, CancelAfterChangesLeavesFilesAndRegistryAlone) {
  CreateLink("..\\..\\Desktop");
  Store("IDView", "1");
  Open([&](HWND dialog) {
    SendMessageA(Box(dialog, 1), BM_CLICK, 0, 0);
    SendMessageA(Box(dialog, 0), BM_CLICK, 0, 0);
    SendMessageA(OnPage(dialog, 1, frmOptions::kIdViewId), CB_SETCURSEL, 0, 0);
    ClickButton(dialog, IDCANCEL);
  });
  EXPECT_EQ(LinksPresent(), (std::vector<bool>{false, true, false, false, false}));
  EXPECT_EQ(Stored("IDView"), "1");
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(OptionsWineTest, F1AndEscOnACheckBoxOpenTheHelpPageAndClose) {
  Store("IDView", "1");
  Open([&](HWND dialog) {
    HWND box = Box(dialog, 2);
    SetFocus(box);
    SendMessageA(box, BM_CLICK, 0, 0);
    PostMessageA(box, WM_KEYDOWN, VK_F1, 1);
    PostMessageA(box, WM_KEYDOWN, VK_ESCAPE, 1);
  });
  EXPECT_EQ(browser.opened, std::vector<std::string>{HelpPage("options.htm")});
  EXPECT_EQ(LinksPresent(), std::vector<bool>(5, false));
  EXPECT_EQ(Stored("IDView"), "1");
}

TEST_F(OptionsWineTest, DisplayTabChoiceIsStoredAndLoadedByOk) {
  ASSERT_EQ(Subs::giIDView, 0);
  bool displayShown = false;
  Open([&](HWND dialog) {
    HWND tabStrip = GetDlgItem(dialog, frmOptions::kTabStripId);
    SetFocus(tabStrip);
    SendMessageA(tabStrip, WM_KEYDOWN, VK_RIGHT, 0);  // the user moves to "Display"
    displayShown = IsWindowVisible(GetDlgItem(dialog, frmOptions::kPageId + 1)) &&
                   !IsWindowVisible(GetDlgItem(dialog, frmOptions::kPageId));
    SendMessageA(OnPage(dialog, 1, frmOptions::kIdViewId), CB_SETCURSEL, 1, 0);
    ClickButton(dialog, IDOK);
  });
  EXPECT_TRUE(displayShown);
  EXPECT_EQ(Stored("IDView"), "1");
  EXPECT_EQ(Subs::giIDView, 1);

  int selected = -1;
  Open([&](HWND dialog) {
    selected = static_cast<int>(
        SendMessageA(OnPage(dialog, 1, frmOptions::kIdViewId), CB_GETCURSEL, 0, 0));
    ClickButton(dialog, IDCANCEL);
  });
  EXPECT_EQ(selected, 1);
}

TEST_F(OptionsWineTest, LibraryRenamedAwayGivesTheOneSummaryBox) {
  const LibraryAway away(library);
  ASSERT_TRUE(away.moved);
  Open([&](HWND dialog) {
    SendMessageA(Box(dialog, 5), BM_CLICK, 0, 0);
    SendMessageA(Box(dialog, 1), BM_CLICK, 0, 0);
    ClickButton(dialog, IDOK);
  });
  EXPECT_EQ(boxes.shown, (Boxes{{"Couldn't Create QuickLaunch Shortcut\n"
                                 "Couldn't Create Desktop Shortcut\n"
                                 "Couldn't Remove Program Menu Shortcut\n"
                                 "Couldn't Remove Startup Shortcut\n"
                                 "Couldn't Remove Start Menu Shortcut\n",
                                 "Kestrel", MB_ICONSTOP}}));
  EXPECT_EQ(LinksPresent(), std::vector<bool>(5, false));
}

// The viewer itself: Tools > Options, all five boxes ticked, OK.
TEST_F(OptionsWineTest, ViewerOkWithAllFiveTickedLeavesFiveLinksToTheViewer) {
  const std::string viewer = ProgramFolder() + "kesview.exe";
  const PROCESS_INFORMATION started = StartProgram("\"" + viewer + "\"");
  platform::ScopedHandle process(started.hProcess), thread(started.hThread);
  ASSERT_TRUE(process.Valid());
  auto waitFor = [](const std::function<HWND()>& find) {
    for (int tries = 0; tries < 300; ++tries) {
      HWND window = find();
      if (window != nullptr && IsWindowVisible(window)) return window;
      Sleep(100);
    }
    return HWND{};
  };
  HWND frame = waitFor([] { return FindWindowA("KestrelMDIMain", nullptr); });
  ASSERT_NE(frame, nullptr);
  PostMessageA(frame, WM_COMMAND, shellwin::MDIMain::kToolsBase, 0);  // Tools item 0
  HWND dialog = waitFor([] { return FindWindowA(frmOptions::kClassName, frmOptions::kCaption); });
  if (dialog != nullptr) {
    for (int index : {0, 1, 2, 3, 5}) SendMessageA(Box(dialog, index), BM_SETCHECK, BST_CHECKED, 0);
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    for (int tries = 0; tries < 300 && IsWindow(dialog); ++tries) Sleep(100);
  }
  PostMessageA(frame, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.Get(), 30000) != WAIT_OBJECT_0) {
    TerminateProcess(process.Get(), 1);
  }
  ASSERT_NE(dialog, nullptr);

  EXPECT_EQ(LinksPresent(), std::vector<bool>(5, true));
  for (const std::string& place : kPlaces) {
    EXPECT_EQ(Lower(LinkTarget(LinkFile(place))), Lower(viewer) + " ") << place;
  }
}

// The library on its own: folders made as needed, a read-only link removed,
// and non-zero only when the file is there, or gone, afterwards.
TEST(ShellLinkLibrary, CreatesNestedFoldersAndRemovesWhatIsThere) {
  platform::Win32ShellLinks links(ProgramFolder() + "keslink.dll");
  const std::string programs = WindowsDir() + "\\Start Menu\\Programs";
  const std::string file = programs + "\\Kestrel Test\\Deep\\Probe.LNK";
  const std::string program = ThisProgram();

  EXPECT_NE(links.CreateShellLink("\\Kestrel Test\\Deep", "Probe", program, "-x"), 0);
  EXPECT_EQ(Lower(LinkTarget(file)), Lower(program) + " -x");
  SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_NE(links.RemoveShellLink("Kestrel Test\\Deep", "Probe"), 0);
  EXPECT_FALSE(IsFile(file));
  EXPECT_NE(links.RemoveShellLink("Kestrel Test\\Deep", "Probe"), 0);  // nothing left to remove

  EXPECT_EQ(links.CreateShellLink("Kestrel Test", "..\\Probe", program, ""), 0);
  EXPECT_EQ(links.CreateShellLink("Kestrel Test", "", program, ""), 0);
  EXPECT_FALSE(IsFile(programs + "\\Probe.LNK"));
  RemoveDirectoryA((programs + "\\Kestrel Test\\Deep").c_str());
  RemoveDirectoryA((programs + "\\Kestrel Test").c_str());
}

// A library that cannot be called says why: missing, there but refusing to
// load (its initialization fails, or it is no library at all), or without
// the entry point.
TEST(ShellLinkLibrary, LibraryThatCannotBeCalledSaysWhy) {
  const std::string missing = ProgramFolder() + "no_such_library.dll";
  const std::string refusing = ProgramFolder() + "refusing_library.dll";
  const TempFile text("kestrel_damaged.dll", 64, SYSTEMTIME{2026, 1, 4, 1, 12, 0, 0, 0});
  const std::string& damaged = text.path;
  const struct {
    std::string library;
    std::string failure;
  } cases[] = {
      {missing, "53 - File not found: " + missing},
      {refusing,
       "48 - Error in loading DLL: " + refusing + " (error 1114: its initialization failed)"},
      {damaged,
       "48 - Error in loading DLL: " + damaged + " (error 193: not a valid Windows library)"},
      {"kernel32.dll", "453 - Can't find DLL entry point fCreateShellLink in kernel32.dll"},
  };
  for (const auto& c : cases) {
    platform::Win32ShellLinks links(c.library);
    EXPECT_EQ(FailureOf([&] { links.CreateShellLink("", "Kestrel", "x", ""); }), c.failure);
  }
}

}  // namespace
}  // namespace kes_test
