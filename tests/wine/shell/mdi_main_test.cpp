#include "shell/win32/mdi_main.h"

#include <commctrl.h>

#include <functional>
#include <memory>

#include "platform/failure.h"
#include "platform/win32/message_box_win32.h"
#include "settings/settings_store.h"
#include "shell/frame_menus.h"
#include "shell/shell_texts.h"
#include "shell/win32/frm_message.h"
#include "shell/win32/modal_loop.h"
#include "tests/wine/shell/shell_fixture.h"

namespace kes_test {
namespace {

using shellwin::MDIMain;

struct MenuItem {
  std::string caption;  // "-" for a separator
  bool greyed;
  bool operator==(const MenuItem&) const = default;
};

std::vector<MenuItem> ItemsOf(HMENU menu) {
  std::vector<MenuItem> items;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    const UINT state = GetMenuState(menu, i, MF_BYPOSITION);
    char caption[128] = {};
    GetMenuStringA(menu, i, caption, sizeof caption, MF_BYPOSITION);
    // Separators cannot be chosen anyway; some systems report them greyed.
    const bool separator = (state & MF_SEPARATOR) != 0;
    items.push_back({separator ? "-" : caption, !separator && (state & MF_GRAYED) != 0});
  }
  return items;
}

void PrintTo(const MenuItem& item, std::ostream* out) {
  *out << "{" << item.caption << (item.greyed ? ", greyed}" : "}");
}

class MDIMainTest : public ShellFixture {
 protected:
  void TearDown() override {
    frame.reset();
    ShellFixture::TearDown();
  }

  MDIMain& Load() {
    frame = std::make_unique<MDIMain>(context, shellwin::FrameCommands{[this](MDIMain& f) {
                                                                         ++explorersOpened;
                                                                         if (explorerLoad) {
                                                                           explorerLoad(f);
                                                                         }
                                                                       },
                                                                       [this](MDIMain&) {
                                                                         ++optionsOpened;
                                                                         if (optionsFailure) {
                                                                           throw *optionsFailure;
                                                                         }
                                                                       },
                                                                       {},
                                                                       {},
                                                                       {}});
    frame->Load();
    return *frame;
  }

  HMENU Popup(int position) { return GetSubMenu(frame->FrameMenu(), position); }
  bool Visible(HWND bar) { return (GetWindowLongA(bar, GWL_STYLE) & WS_VISIBLE) != 0; }
  bool Ticked(int viewIndex) {
    return (GetMenuState(Popup(2), viewIndex, MF_BYPOSITION) & MF_CHECKED) != 0;
  }
  void Command(int id) { SendMessageA(frame->Handle(), WM_COMMAND, id, 0); }
  // One error report was shown, naming the frame and `routine`.
  void ExpectOneFrameReport(const std::string& routine) {
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(ReportLine(boxes.shown[0], "Module:  "), "MDIMain");
    EXPECT_EQ(ReportLine(boxes.shown[0], "Routine: "), routine);
  }

  std::unique_ptr<MDIMain> frame;
  int explorersOpened = 0;
  std::function<void(MDIMain&)> explorerLoad;
  int optionsOpened = 0;
  std::optional<kes::Failure> optionsFailure;
};

TEST_F(MDIMainTest, MenuBarHasSixMenusWithTheirItemsAtTheirIndexes) {
  Load();
  EXPECT_EQ(ItemsOf(frame->FrameMenu()), (std::vector<MenuItem>{{"&File", false},
                                                                {"&Edit", true},
                                                                {"&View", false},
                                                                {"&Tools", false},
                                                                {"&Window", false},
                                                                {"&Help", false}}));
  EXPECT_EQ(ItemsOf(Popup(0)), (std::vector<MenuItem>{{"&Open Report...\tCtrl+O", false},
                                                      {"&Print To File...", true},
                                                      {"-", false},
                                                      {"E&xit", false}}));
  EXPECT_EQ(GetMenuItemCount(Popup(1)), 0);
  EXPECT_EQ(ItemsOf(Popup(2)), (std::vector<MenuItem>{{"Kestrel &Explorer", false},
                                                      {"-", false},
                                                      {"&Toolbar", false},
                                                      {"&Status Bar", false}}));
  EXPECT_EQ(ItemsOf(Popup(3)),
            (std::vector<MenuItem>{{"&Options", false}, {"&Startup Programs", false}}));
  EXPECT_EQ(ItemsOf(Popup(4)), (std::vector<MenuItem>{{"Tile &Horizontal", false},
                                                      {"Tile &Vertical", false},
                                                      {"&Cascade", false},
                                                      {"&Arrange Icons", false}}));
  EXPECT_EQ(ItemsOf(Popup(5)), (std::vector<MenuItem>{{"&Contents / Index\tF1", false},
                                                      {"-", false},
                                                      {"&Fernbrook Software On The Web", false},
                                                      {"-", false},
                                                      {"&About Kestrel", false}}));
  EXPECT_EQ(ItemsOf(GetSubMenu(Popup(5), 2)),
            (std::vector<MenuItem>{{"Our &Home Page", false},
                                   {"-", false},
                                   {"&Kestrel Home Page", false},
                                   {"&Order Kestrel", true},
                                   {"-", false},
                                   {"Other &Products", false},
                                   {"&Technical Support", true}}));
}

TEST_F(MDIMainTest, LoadShowsTheFrameAndOpensTheFirstExplorer) {
  Load();
  EXPECT_TRUE(IsWindowVisible(frame->Handle()));
  EXPECT_EQ(TextOf(frame->Handle()).rfind("Kestrel(tm) ", 0), 0u);
  EXPECT_EQ(explorersOpened, 1);
  EXPECT_NE(frame->About().Handle(), nullptr);
  EXPECT_FALSE(IsWindowVisible(frame->About().Handle()));
}

TEST_F(MDIMainTest, ToolbarHasSixButtonsWithCaptionsAndTips) {
  Load();
  HWND toolbar = frame->Toolbar1();
  ASSERT_EQ(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0), 6);
  std::vector<std::string> captions;
  for (int i = 0; i < 6; ++i) {
    TBBUTTON button{};
    SendMessageA(toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
    if (button.fsStyle & TBSTYLE_SEP) {
      captions.push_back("-");
      continue;
    }
    char text[64] = {};
    SendMessageA(toolbar, TB_GETBUTTONTEXTA, button.idCommand, reinterpret_cast<LPARAM>(text));
    captions.push_back(text);
  }
  EXPECT_EQ(captions, (std::vector<std::string>{"Explore", "Again", "-", "Options", "-", "About"}));

  // The tool tip the toolbar asks the frame for.
  for (int button : {1, 2, 4}) {
    NMTTDISPINFOA tip{};
    tip.hdr.hwndFrom = reinterpret_cast<HWND>(SendMessageA(toolbar, TB_GETTOOLTIPS, 0, 0));
    tip.hdr.idFrom = MDIMain::kToolbarBase + button;
    tip.hdr.code = TTN_GETDISPINFOA;
    SendMessageA(frame->Handle(), WM_NOTIFY, tip.hdr.idFrom, reinterpret_cast<LPARAM>(&tip));
    const std::string text = tip.lpszText != nullptr ? tip.lpszText : "";
    EXPECT_EQ(text, button == 1   ? "Show Kestrel Explorer"
                    : button == 2 ? "Snapshot Again"
                                  : "")
        << button;
  }
}

TEST_F(MDIMainTest, StatusBarHasThreePanelsAndTheImageListSevenImages) {
  Load();
  HWND status = frame->StatusBar1();
  int rights[4] = {};
  ASSERT_EQ(SendMessageA(status, SB_GETPARTS, 4, reinterpret_cast<LPARAM>(rights)), 3);
  char text[128] = {};
  SendMessageA(status, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, "Visit us at http://www.fernbrook.example");
  SendMessageA(status, SB_GETTEXTA, 2, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, "Version 1.0.0");  // as the about window reads
  RECT client;
  GetClientRect(frame->Handle(), &client);
  const int second = rights[1] - rights[0];
  EXPECT_GT(second, rights[0]);
  EXPECT_GT(second, client.right - rights[1]);

  EXPECT_EQ(ImageList_GetImageCount(frame->ImageList1()), 7);
  int width = 0, height = 0;
  ImageList_GetIconSize(frame->ImageList1(), &width, &height);
  EXPECT_EQ(width, 16);
  EXPECT_EQ(height, 16);
}

// Large fonts make the status bar's texts wider; the first and third panels
// follow them.
TEST_F(MDIMainTest, StatusPanelsFitTheirTextsInTheBarsFont) {
  Load();
  HWND status = frame->StatusBar1();
  LOGFONTA face{};
  GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof face, &face);
  face.lfHeight = -28;
  HFONT large = CreateFontIndirectA(&face);
  SendMessageA(status, WM_SETFONT, reinterpret_cast<WPARAM>(large), FALSE);
  SetWindowPos(frame->Handle(), nullptr, 0, 0, 1000, 500, SWP_NOMOVE | SWP_NOZORDER);

  const auto widthOf = [status, large](const std::string& text) {
    HDC dc = GetDC(status);
    const HGDIOBJ previous = SelectObject(dc, large);
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, previous);
    ReleaseDC(status, dc);
    return size.cx;
  };
  RECT web{}, label{};
  SendMessageA(status, SB_GETRECT, 0, reinterpret_cast<LPARAM>(&web));
  SendMessageA(status, SB_GETRECT, 2, reinterpret_cast<LPARAM>(&label));
  EXPECT_GT(web.right - web.left, widthOf("Visit us at http://www.fernbrook.example"));
  EXPECT_GT(label.right - label.left - GetSystemMetrics(SM_CXVSCROLL), widthOf("Version 1.0.0"));
  frame.reset();
  DeleteObject(large);
}

TEST_F(MDIMainTest, ViewItemsToggleTheBarsTickAndSaveThem) {
  Load();
  EXPECT_TRUE(Visible(frame->Toolbar1()));
  EXPECT_TRUE(Ticked(2));
  EXPECT_EQ(Stored("Toolbar"), "1");

  frame->mnuView_Hook(2);
  EXPECT_FALSE(Visible(frame->Toolbar1()));
  EXPECT_FALSE(Ticked(2));
  EXPECT_EQ(Stored("Toolbar"), "0");
  EXPECT_EQ(Subs::giToolbar, 1);  // the setting itself changes at the next start

  Command(MDIMain::kViewBase + 3);  // the menu item
  EXPECT_FALSE(Visible(frame->StatusBar1()));
  EXPECT_FALSE(Ticked(3));
  EXPECT_EQ(Stored("StatusBar"), "0");

  frame->mnuView_Hook(2);
  frame->mnuView_Hook(3);
  EXPECT_TRUE(Visible(frame->Toolbar1()));
  EXPECT_TRUE(Visible(frame->StatusBar1()));
  EXPECT_EQ(Stored("Toolbar"), "1");
  EXPECT_EQ(Stored("StatusBar"), "1");
}

TEST_F(MDIMainTest, StoredValueOtherThanOneStartsHiddenAndIsRewrittenZero) {
  Store("Toolbar", "2");
  Store("StatusBar", "0");
  ASSERT_TRUE(Subs::LoadGlobalsFromRegistry(api, "C:\\Kestrel\\kesview.exe"));
  Load();

  EXPECT_FALSE(Visible(frame->Toolbar1()));
  EXPECT_FALSE(Visible(frame->StatusBar1()));
  EXPECT_FALSE(Ticked(2));
  EXPECT_EQ(Stored("Toolbar"), "0");
  EXPECT_EQ(Stored("StatusBar"), "0");
  // The client fills the whole frame.
  RECT frameArea, clientArea;
  GetClientRect(frame->Handle(), &frameArea);
  GetWindowRect(frame->Client(), &clientArea);
  EXPECT_EQ(clientArea.bottom - clientArea.top, frameArea.bottom);
}

TEST_F(MDIMainTest, WebItemsOpenTheirAddressesSeparatorsAnEmptyOne) {
  Subs::giShowMsg1 = 0;
  Load();
  for (std::int16_t index = 0; index <= 6; ++index) {
    frame->mnuHelpWeb_Hook(index);
  }
  // The menu item reaches the same action.
  Command(MDIMain::kHelpWebBase + 2);
  EXPECT_EQ(browser.opened, (std::vector<std::string>{
                                "http://www.fernbrook.example",
                                "",
                                "http://www.fernbrook.example/kestrel",
                                "http://www.fernbrook.example/kestrel/order.htm",
                                "",
                                "http://www.fernbrook.example/software.htm",
                                "http://www.fernbrook.example/kestrel/support.htm",
                                "http://www.fernbrook.example/kestrel",
                            }));
}

TEST_F(MDIMainTest, WebNoticeSwitchedOffIsNotShownAgainInTheSameRun) {
  Load();
  driver.When(shellwin::frmMessage::kCaption, [](HWND window) {
    ClickButton(window, shellwin::frmMessage::kCheckBoxId);
    ClickButton(window, IDOK);
  });
  frame->mnuHelpWeb_Hook(0);
  frame->mnuHelpWeb_Hook(5);

  EXPECT_EQ(driver.Seen().size(), 1u);
  EXPECT_EQ(Stored("ShowMsg1"), "0");
  EXPECT_EQ(browser.opened,
            (std::vector<std::string>{"http://www.fernbrook.example",
                                      "http://www.fernbrook.example/software.htm"}));
}

TEST_F(MDIMainTest, HelpContentsByMenuAndByF1) {
  Load();
  frame->mnuHelp_Hook(0);
  MSG f1{frame->Handle(), WM_KEYDOWN, VK_F1, 1, 0, {}};
  ASSERT_TRUE(frame->PreTranslate(f1));
  EXPECT_EQ(browser.opened,
            (std::vector<std::string>{HelpPage("index.htm"), HelpPage("index.htm")}));
}

TEST_F(MDIMainTest, AboutShowsVersionOpensContactOnF1AndOkOnlyHidesIt) {
  Load();
  HWND about = frame->About().Handle();
  std::string version;
  driver.When("About", [&version](HWND window) {
    version = TextOf(GetDlgItem(window, shellwin::frmAbout::kVersionId));
    PressKey(window, IDOK, VK_F1);
    PostMessageA(GetDlgItem(window, IDOK), BM_CLICK, 0, 0);
  });
  Command(MDIMain::kToolbarBase + Subs::kButtonAbout);

  EXPECT_EQ(version, "Version 1.0.0");
  EXPECT_EQ(browser.opened, (std::vector<std::string>{HelpPage("contact.htm")}));
  EXPECT_FALSE(IsWindowVisible(about));
  EXPECT_TRUE(IsWindow(about));

  // A second showing is the same window, not loaded again.
  driver.When("About", [](HWND window) { ClickButton(window, IDOK); });
  frame->mnuHelp_Hook(4);
  EXPECT_EQ(frame->About().Handle(), about);
  EXPECT_TRUE(IsWindowEnabled(frame->Handle()));
}

TEST_F(MDIMainTest, AboutWebLinkShowsTheNoticeThenOpensTheSite) {
  Load();
  driver.When("About", [](HWND window) {
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(shellwin::frmAbout::kWebLinkId, STN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, shellwin::frmAbout::kWebLinkId)));
  });
  driver.When(shellwin::frmMessage::kCaption, [](HWND window) { ClickButton(window, IDOK); });
  driver.When("About", [](HWND window) { ClickButton(window, IDOK); });
  frame->mnuHelp_Hook(4);
  EXPECT_EQ(browser.opened, (std::vector<std::string>{"http://www.fernbrook.example"}));
}

TEST_F(MDIMainTest, ExplorerAndOptionsCommandsReachTheirWindows) {
  Load();
  frame->mnuView_Hook(0);
  Command(MDIMain::kToolbarBase + 1);
  EXPECT_EQ(explorersOpened, 3);  // with the one at load

  frame->mnuTools_Hook(0);
  Command(MDIMain::kToolbarBase + Subs::kButtonOptions);
  EXPECT_EQ(optionsOpened, 2);
  EXPECT_TRUE(boxes.shown.empty());

  optionsFailure = kes::Failure(5, "Invalid procedure call");
  frame->mnuTools_Hook(0);
  ExpectOneFrameReport("mnutools");
}

// A posted WM_CLOSE, as "End Task" or tools/run's remote close send it,
// while a modal window the frame owns runs its loop: the close waits until
// that loop has ended, asks the window to close, then closes the frame.
TEST_F(MDIMainTest, ACloseWhileAModalWindowIsUpWaitsForItsLoopToEnd) {
  struct Modal {
    const char* caption;
    std::function<void(MDIMain&)> show;
  };
  const Modal modals[] = {
      {shellwin::frmAbout::kCaption, [](MDIMain& f) { f.mnuHelp_Hook(Subs::kHelpAbout); }},
      {shellwin::frmMessage::kCaption, [](MDIMain& f) { f.mnuHelpWeb_Hook(0); }},
      {"Kestrel Test Box",
       [](MDIMain& f) {
         platform::Win32MessageBoxes().Show(shellwin::AsOwner(f.Handle()), "Closing?",
                                            "Kestrel Test Box", platform::kMbOk);
       }},
      {"Save The Test Snapshot",
       [](MDIMain& f) {
         f.CommonDialog1().DialogTitle = "Save The Test Snapshot";
         EXPECT_FALSE(f.CommonDialog1().ShowSave(f.Handle()));
       }},
  };
  for (const Modal& modal : modals) {
    SCOPED_TRACE(modal.caption);
    Load();
    HWND handle = frame->Handle();
    HWND about = frame->About().Handle();
    HWND shown = nullptr;
    driver.When(modal.caption, [&shown, handle](HWND window) {
      shown = window;
      PostMessageA(handle, WM_CLOSE, 0, 0);
    });
    // Gives up the loop rather than hang when the modal window never ends.
    QuitAfter guard(kGuardMs);
    modal.show(*frame);

    EXPECT_FALSE(guard.Fired()) << "the modal window was left running";
    EXPECT_TRUE(IsWindow(handle)) << "the frame went while the modal loop ran";
    EXPECT_FALSE(shown != nullptr && IsWindowVisible(shown));
    Pump();
    EXPECT_EQ(frame->Handle(), nullptr);
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_FALSE(IsWindow(about));
  }
}

// The frame's own load lets pending messages run after showing the frame; a
// close among them ends the load there, without a snapshot.
TEST_F(MDIMainTest, ACloseDuringTheLoadEndsItBeforeTheFirstExplorer) {
  CreationHook closer("KestrelMDIMain", CreationHook::Act::kPostClose);
  Load();
  EXPECT_EQ(explorersOpened, 0);
  EXPECT_EQ(frame->Handle(), nullptr);
  EXPECT_FALSE(IsWindow(closer.Created()));
  EXPECT_TRUE(boxes.shown.empty());
}

// An explorer window's load holds the frame disabled while it lets pending
// messages run; a close among them waits for the load to end.
TEST_F(MDIMainTest, ACloseDuringAnExplorerLoadWaitsForIt) {
  Load();
  bool frameThroughoutLoad = false;
  explorerLoad = [&frameThroughoutLoad](MDIMain& f) {
    EnableWindow(f.Handle(), FALSE);
    PostMessageA(f.Handle(), WM_CLOSE, 0, 0);
    shellwin::DoEvents();
    frameThroughoutLoad = IsWindow(f.Handle()) != FALSE;
    EnableWindow(f.Handle(), TRUE);
  };
  HWND handle = frame->Handle();
  frame->mnuView_Hook(Subs::kViewExplorer);
  EXPECT_TRUE(frameThroughoutLoad);
  EXPECT_TRUE(IsWindow(handle));
  Pump();
  EXPECT_FALSE(IsWindow(handle));
}

TEST_F(MDIMainTest, AFrameThatCannotBeCreatedIsReported) {
  CreationHook refuse("KestrelMDIMain", CreationHook::Act::kRefuse);
  Load();
  EXPECT_EQ(frame->Handle(), nullptr);
  EXPECT_EQ(explorersOpened, 0);
  ExpectOneFrameReport("FormLoad");
}

// A real message box is modal to the window it belongs to, so the frame
// cannot start another command behind an error report or a notice.
TEST_F(MDIMainTest, AMessageBoxHoldsTheFrameWhileItIsUp) {
  struct Case {
    const char* what;
    bool frameShown;
    bool ownerGiven;
    bool ownedByFrame;  // else task-modal, owned by nothing
  };
  const Case cases[] = {
      {"no owner given: the active frame", true, false, true},
      {"the frame given as owner", true, true, true},
      {"no window active: task-modal", false, false, false},
  };
  platform::Win32MessageBoxes real;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Load();
    Pump();  // the quit message of the frame before
    if (!c.frameShown) {
      ShowWindow(frame->Handle(), SW_HIDE);
      ASSERT_EQ(GetActiveWindow(), nullptr);
    }
    bool frameEnabled = true;
    HWND owner = reinterpret_cast<HWND>(-1);
    driver.When("Kestrel Test Box", [&](HWND box) {
      frameEnabled = IsWindowEnabled(frame->Handle());
      owner = GetWindow(box, GW_OWNER);
      PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
    QuitAfter guard(kGuardMs);
    real.Show(c.ownerGiven ? shellwin::AsOwner(frame->Handle()) : 0, "Held?", "Kestrel Test Box",
              platform::kMbOk | platform::kMbIconExclamation);
    EXPECT_FALSE(guard.Fired());
    EXPECT_FALSE(frameEnabled);
    EXPECT_EQ(owner, c.ownedByFrame ? frame->Handle() : nullptr);
    EXPECT_TRUE(IsWindowEnabled(frame->Handle()));
  }
}

class MDIMainChildrenTest : public MDIMainTest {
 protected:
  HWND AddChild(const char* caption) {
    MDICREATESTRUCTA create{};
    create.szClass = "MDIChildTest";
    create.szTitle = caption;
    create.hOwner = GetModuleHandleA(nullptr);
    create.x = create.y = create.cx = create.cy = CW_USEDEFAULT;
    return reinterpret_cast<HWND>(
        SendMessageA(frame->Client(), WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
  }
  static LRESULT CALLBACK ChildProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefMDIChildProcA(hwnd, message, wParam, lParam);
  }
  void SetUp() override {
    MDIMainTest::SetUp();
    WNDCLASSA wc{};
    wc.lpfnWndProc = &ChildProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    wc.lpszClassName = "MDIChildTest";
    RegisterClassA(&wc);
    Load();
    first = AddChild("First Child");
    second = AddChild("Second Child");
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
  }
  RECT Place(HWND child) {
    RECT rect;
    GetWindowRect(child, &rect);
    return rect;
  }
  HWND first = nullptr;
  HWND second = nullptr;
};

TEST_F(MDIMainChildrenTest, WindowMenuArrangesAndListsTheChildren) {
  frame->mnuWindow_Hook(1);  // tile vertically: side by side
  EXPECT_EQ(Place(first).top, Place(second).top);
  EXPECT_NE(Place(first).left, Place(second).left);

  frame->mnuWindow_Hook(0);  // tile horizontally: one above the other
  EXPECT_EQ(Place(first).left, Place(second).left);
  EXPECT_NE(Place(first).top, Place(second).top);

  frame->mnuWindow_Hook(2);  // cascade: each a step further
  EXPECT_NE(Place(first).left, Place(second).left);
  EXPECT_NE(Place(first).top, Place(second).top);
  frame->mnuWindow_Hook(3);

  std::vector<std::string> listed;
  HMENU window = Popup(4);
  for (int i = 4; i < GetMenuItemCount(window); ++i) {
    char caption[64] = {};
    GetMenuStringA(window, i, caption, sizeof caption, MF_BYPOSITION);
    if (caption[0] != '\0') {
      listed.push_back(caption);
    }
  }
  ASSERT_EQ(listed.size(), 2u);
  EXPECT_NE(listed[0].find("First Child"), std::string::npos);
  EXPECT_NE(listed[1].find("Second Child"), std::string::npos);
}

TEST_F(MDIMainChildrenTest, ClosingTheFrameClosesEveryChildAndEndsTheProgram) {
  HWND about = frame->About().Handle();
  frame->mnuFile_Hook(Subs::kFileExit);

  EXPECT_EQ(frame->Handle(), nullptr);
  EXPECT_FALSE(IsWindow(first));
  EXPECT_FALSE(IsWindow(second));
  EXPECT_FALSE(IsWindow(about));
  MSG quit;
  EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

}  // namespace
}  // namespace kes_test
