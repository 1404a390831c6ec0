#include "platform/progress.h"
#include "settings/settings_store.h"
#include "shell/shell_texts.h"
#include "shell/win32/frm_about.h"
#include "shell/win32/frm_message.h"
#include "shell/win32/frm_splash2.h"
#include "tests/wine/shell/shell_fixture.h"

namespace kes_test {
namespace {

using shellwin::frmSplash2;

bool gTimerRan = false;
void CALLBACK MarkTimerRan(HWND, UINT, UINT_PTR, DWORD) { gTimerRan = true; }

class SplashTest : public ShellFixture {
 protected:
  shellwin::frmAbout about{context};
};

TEST_F(SplashTest, ShowsItsTextsAndTheProgressOfTheSnapshot) {
  frmSplash2 splash(context, about, nullptr);
  splash.Show();
  EXPECT_EQ(TextOf(splash.Handle()), "Please wait...");
  EXPECT_TRUE(IsWindowVisible(splash.Handle()));
  EXPECT_EQ(TextOf(splash.lblStatus()), "Loading Files...");
  EXPECT_EQ(TextOf(GetDlgItem(splash.Handle(), frmSplash2::kInfoId)), Subs::SplashNoteText());
  EXPECT_EQ(TextOf(GetDlgItem(splash.Handle(), frmSplash2::kWebLinkId)),
            "Click Here To Visit Our Web Site!");
  EXPECT_EQ(splash.msURL, "http://www.fernbrook.example");

  platform::Progress& progress = splash;
  progress.Report("C:\\WINDOWS\\SYSTEM\\KERNEL32.DLL");
  EXPECT_EQ(TextOf(splash.lblStatus()), "C:\\WINDOWS\\SYSTEM\\KERNEL32.DLL");
}

TEST_F(SplashTest, ReportLetsPendingMessagesRun) {
  frmSplash2 splash(context, about, nullptr);
  splash.Show();
  gTimerRan = false;
  const UINT_PTR timer = SetTimer(nullptr, 0, 1, &MarkTimerRan);
  Sleep(20);
  splash.Report("C:\\WINDOWS\\EXPLORER.EXE");
  KillTimer(nullptr, timer);
  EXPECT_TRUE(gTimerRan);
}

TEST_F(SplashTest, WebLinkOpensTheSiteAfterTheNotice) {
  frmSplash2 splash(context, about, nullptr);
  splash.Show();
  driver.When(shellwin::frmMessage::kCaption, [](HWND window) { ClickButton(window, IDOK); });
  HWND link = GetDlgItem(splash.Handle(), frmSplash2::kWebLinkId);
  SendMessageA(splash.Handle(), WM_COMMAND, MAKEWPARAM(frmSplash2::kWebLinkId, STN_CLICKED),
               reinterpret_cast<LPARAM>(link));
  EXPECT_EQ(driver.Seen().size(), 1u);
  EXPECT_EQ(browser.opened, (std::vector<std::string>{"http://www.fernbrook.example"}));
}

TEST_F(SplashTest, WebLinkShowsTheHandCursor) {
  frmSplash2 splash(context, about, nullptr);
  splash.Show();
  HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW);
  SetCursor(arrow);
  HWND link = GetDlgItem(splash.Handle(), frmSplash2::kWebLinkId);
  EXPECT_TRUE(SendMessageA(splash.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(link),
                           MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
  EXPECT_NE(GetCursor(), arrow);
  EXPECT_NE(GetCursor(), nullptr);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(GetCursor(), &info));
  EXPECT_FALSE(info.fIcon);
  EXPECT_EQ(info.xHotspot, 5u);  // the fingertip
  DeleteObject(info.hbmMask);
  DeleteObject(info.hbmColor);
}

TEST_F(SplashTest, UnloadingRemovesTheWindow) {
  HWND window = nullptr;
  {
    frmSplash2 splash(context, about, nullptr);
    window = splash.Handle();
    ASSERT_TRUE(IsWindow(window));
  }
  EXPECT_FALSE(IsWindow(window));
}

}  // namespace
}  // namespace kes_test
