#include "shell/startup.h"

#include <optional>
#include <string>

#include "settings/settings_store.h"
#include "shell/frame_menus.h"
#include "shell/shell_texts.h"
#include "shell/win32/frm_message.h"
#include "shell/win32/kesview_commands.h"
#include "shell/win32/startup_host_win32.h"
#include "tests/fakes/win32_helpers.h"
#include "tests/wine/shell/shell_fixture.h"

namespace kes_test {
namespace {

// The real host, with the program file replaced by one the test dates.
class DatedProgramHost final : public shellwin::Win32StartupHost {
 public:
  using Win32StartupHost::Win32StartupHost;
  std::string ProgramFile() override {
    return programFile.empty() ? Win32StartupHost::ProgramFile() : programFile;
  }
  std::string programFile;
};

class StartupWineTest : public ShellFixture {
 protected:
  void TearDown() override {
    if (host.Frame() != nullptr && host.Frame()->Handle() != nullptr) {
      host.Frame()->mnuFile_Hook(Subs::kFileExit);
    }
    ShellFixture::TearDown();
  }

  // A program file written `days` days before today, at `hour` local time.
  void ProgramWritten(int days, int hour) {
    SYSTEMTIME local;
    GetLocalTime(&local);
    local.wHour = static_cast<WORD>(hour);
    local.wMinute = 30;
    local.wSecond = local.wMilliseconds = 0;
    datedFile.emplace("kesview_dated.exe", 0, local, days);
    ASSERT_TRUE(datedFile->made);
    host.programFile = datedFile->path;
  }

  DatedProgramHost host{context, folders, shellwin::KesviewFrameCommands(context)};
  std::optional<TempFile> datedFile;
};

TEST_F(StartupWineTest, FirstRunIsWelcomedOnceThenTheFrameOpens) {
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, Subs::kSettingsKey);
  ASSERT_TRUE(Subs::Main(api, host));
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].title, "Welcome!");
  ASSERT_NE(host.Frame(), nullptr);
  EXPECT_TRUE(IsWindowVisible(host.Frame()->Handle()));
  EXPECT_EQ(Stored("Toolbar"), "1");
  host.Frame()->mnuFile_Hook(Subs::kFileExit);
  Pump();

  boxes.shown.clear();
  ASSERT_TRUE(Subs::Main(api, host));
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(StartupWineTest, ProgramOneHundredAndEightyDaysOldIsNotReminded) {
  ProgramWritten(180, 0);
  ASSERT_TRUE(Subs::Main(api, host));
  EXPECT_TRUE(driver.Seen().empty());
  EXPECT_NE(host.Frame(), nullptr);
}

TEST_F(StartupWineTest, ProgramOneHundredAndEightyOneDaysOldIsRemindedUntilSwitchedOff) {
  ProgramWritten(181, 23);
  std::string shown;
  driver.When(shellwin::frmMessage::kCaption, [&shown](HWND window) {
    shown = TextOf(GetWindow(window, GW_CHILD));
    ClickButton(window, shellwin::frmMessage::kCheckBoxId);
    ClickButton(window, IDOK);
  });
  ASSERT_TRUE(Subs::Main(api, host));
  EXPECT_EQ(shown, Subs::UpdateReminderText());
  EXPECT_EQ(Stored("ShowMsg4"), "0");
  EXPECT_NE(host.Frame(), nullptr);
}

TEST_F(StartupWineTest, MissingProgramFileOpensTheFrameWithoutReminder) {
  host.programFile = "C:\\nowhere\\kesview.exe";
  ASSERT_TRUE(Subs::Main(api, host));
  EXPECT_TRUE(driver.Seen().empty());
  EXPECT_TRUE(boxes.shown.empty());
}

// Runs the probe under `name` beside the tests; returns its exit code.
DWORD RunProbeAs(const std::string& name) {
  const std::string probe = ProgramFolder() + "os_platform_probe.exe";
  const std::string copy = ProgramFolder() + name;
  if (copy != probe) {
    CopyFileA(probe.c_str(), copy.c_str(), FALSE);
  }
  const DWORD code = RunProgram("\"" + copy + "\"");
  if (copy != probe) {
    DeleteFileA(copy.c_str());
  }
  return code;
}

TEST_F(StartupWineTest, PlatformCheckTellsWindows98FromTheNtFamily) {
  EXPECT_EQ(RunProbeAs("os_platform_probe.exe"), Subs::kPlatformWin32Windows);

  // Wine reports another version to one program name.
  ASSERT_TRUE(PutRegistryValue(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\os_platform_nt.exe",
                               "Version", REG_SZ, std::string("winxp", 6)));
  EXPECT_EQ(RunProbeAs("os_platform_nt.exe"), Subs::kPlatformWin32NT);
}

}  // namespace
}  // namespace kes_test
