#include "shell/startup.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/failure.h"
#include "settings/registry_api.h"
#include "settings/settings_store.h"
#include "shell/app_strings.h"
#include "shell/general/error_report.h"
#include "shell/shell_texts.h"
#include "tests/fakes/fake_registry.h"
#include "tests/fakes/recording_boxes.h"
#include "tests/fakes/settings_globals.h"

namespace {

using Subs::CivilDate;

constexpr const char* kKey = "SOFTWARE\\Kestrel";
constexpr const char* kProgram = "C:\\Program Files\\Kestrel\\kesview.exe";

// Start-up's outside world, recording what start-up asked of it.
class FakeHost final : public Subs::StartupHost {
 public:
  struct Message {
    int kind;
    std::string text;
    bool showCheckBox;
  };

  std::string ProgramFile() override { return kProgram; }
  CivilDate FileDate(const std::string& path) override {
    datesRead.push_back(path);
    if (fileFailure) {
      throw *fileFailure;
    }
    return fileDate;
  }
  CivilDate Today() override { return today; }
  void ShowMessage(int kind, const std::string& text, bool showCheckBox) override {
    messages.push_back({kind, text, showCheckBox});
  }
  std::uint32_t GetOSPlatform() override { return platformId; }
  void ShowMainFrame() override { ++framesShown; }

  CivilDate fileDate{2026, 12, 1};
  CivilDate today{2026, 12, 7};
  std::optional<kes::Failure> fileFailure;
  std::uint32_t platformId = Subs::kPlatformWin32Windows;

  std::vector<std::string> datesRead;
  std::vector<Message> messages;
  int framesShown = 0;
};

class StartupTest : public testing::Test {
 protected:
  void SetUp() override { ResetSettings(); }

  static void ResetSettings() {
    kes_test::ResetSettings();
    Subs::gsAppName.clear();
  }

  bool RunMain() { return Subs::Main(api, host); }

  // A registry after an earlier start: key and every value present.
  void Installed() {
    registry.AddKey(kKey);
    const auto texts = kes_test::FirstStartTexts(kProgram);
    for (std::size_t i = 0; i < texts.size(); ++i) {
      registry.PutText(kKey, kes_test::kSettingNames[i], texts[i]);
    }
  }

  kes_test::FakeRegistry registry;
  kes_test::RecordingBoxes boxes;
  Subs::ErrorReport report{boxes};
  RegistryAPI api{registry, report};
  FakeHost host;
};

TEST_F(StartupTest, FirstRunWelcomesThenCreatesTheSettingsAndOpensTheFrame) {
  EXPECT_TRUE(RunMain());

  EXPECT_EQ(boxes.shown, (kes_test::Boxes{{Subs::WelcomeText(), "Welcome!",
                                           platform::kMbOk | platform::kMbIconInformation}}));
  EXPECT_TRUE(registry.HasKey(kKey));
  ASSERT_TRUE(registry.Get(kKey, "Path").has_value());
  EXPECT_EQ(Subs::giToolbar, 1);
  EXPECT_EQ(Subs::giShowMsg4, 1);
  EXPECT_EQ(Subs::gsAppName, "Kestrel");
  EXPECT_EQ(host.framesShown, 1);
}

TEST_F(StartupTest, SecondRunIsNotWelcomedAgain) {
  ASSERT_TRUE(RunMain());
  boxes.shown.clear();
  ResetSettings();

  EXPECT_TRUE(RunMain());
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_EQ(host.framesShown, 2);
}

TEST_F(StartupTest, UpdateReminderFromTheHundredAndEightyFirstDay) {
  Installed();
  host.today = {2026, 12, 7};
  host.fileDate = {2026, 6, 10};  // 180 days before
  ASSERT_TRUE(RunMain());
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(host.datesRead, std::vector<std::string>{kProgram});

  host.fileDate = {2026, 6, 9};  // 181 days before
  ASSERT_TRUE(RunMain());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].kind, 4);
  EXPECT_EQ(host.messages[0].text, Subs::UpdateReminderText());
  EXPECT_TRUE(host.messages[0].showCheckBox);
  EXPECT_EQ(host.framesShown, 2);
}

TEST_F(StartupTest, SwitchedOffReminderDoesNotEvenReadTheFileDate) {
  Installed();
  registry.PutText(kKey, "ShowMsg4", "0");
  host.fileDate = {2020, 1, 1};

  EXPECT_TRUE(RunMain());
  EXPECT_TRUE(host.datesRead.empty());
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(StartupTest, MissingProgramFileSkipsTheReminderSilently) {
  Installed();
  host.fileFailure = kes::Failure(kes::kErrFileNotFound, "File not found");

  EXPECT_TRUE(RunMain());
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_EQ(host.framesShown, 1);
}

TEST_F(StartupTest, OtherFailureIsReportedAndEndsTheProgram) {
  Installed();
  host.fileFailure = kes::Failure(70, "Permission denied");

  EXPECT_FALSE(RunMain());
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(kes_test::ReportLine(boxes.shown[0], "Module:  "), "Subs");
  EXPECT_EQ(kes_test::ReportLine(boxes.shown[0], "Routine: "), "Main");
  EXPECT_NE(boxes.shown[0].text.find("70 - Permission denied"), std::string::npos);
  EXPECT_EQ(host.framesShown, 0);
}

TEST_F(StartupTest, NtFamilyIsToldAndNoFrameOpens) {
  Installed();
  host.platformId = Subs::kPlatformWin32NT;

  EXPECT_FALSE(RunMain());
  EXPECT_EQ(boxes.shown,
            (kes_test::Boxes{{"This utility is designed for Windows95 and Windows98 only.",
                              "Kestrel", platform::kMbOk | platform::kMbIconInformation}}));
  EXPECT_EQ(host.framesShown, 0);
}

TEST_F(StartupTest, UnknownPlatformEndsQuietly) {
  Installed();
  for (std::uint32_t id : {0u, 3u}) {
    host.platformId = id;
    EXPECT_FALSE(RunMain());
  }
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_EQ(host.framesShown, 0);
}

TEST_F(StartupTest, UnreadableSettingStopsStartUpWithItsMessage) {
  Installed();
  registry.PutText(kKey, "ShowMsg3", "abc");

  EXPECT_FALSE(RunMain());
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(kes_test::ReportLine(boxes.shown[0], "Routine: "), "GetSetRegValue");
  EXPECT_EQ(boxes.shown[1],
            (kes_test::RecordingBoxes::Box{"Couldn't Load/Set Registry Options!", "Kestrel",
                                           platform::kMbOk | platform::kMbIconStop}));
  EXPECT_TRUE(host.datesRead.empty());
  EXPECT_EQ(host.framesShown, 0);
}

TEST_F(StartupTest, KeyThatCannotBeCreatedEndsAfterItsOwnMessage) {
  registry.createResult = platform::kErrorAccessDenied;

  EXPECT_FALSE(RunMain());
  ASSERT_EQ(boxes.shown.size(), 2u);  // the welcome, then the failure
  EXPECT_EQ(boxes.shown[1].text, "Couldn't Create Registry Key!");
  EXPECT_EQ(host.framesShown, 0);
}

TEST(DayCountingTest, CountsCalendarDaysAcrossMonthsYearsAndLeapDays) {
  EXPECT_EQ(Subs::DaysBetween({2026, 12, 6}, {2026, 12, 7}), 1);
  EXPECT_EQ(Subs::DaysBetween({2026, 12, 7}, {2026, 12, 7}), 0);
  EXPECT_EQ(Subs::DaysBetween({2025, 12, 31}, {2026, 1, 1}), 1);
  EXPECT_EQ(Subs::DaysBetween({2024, 2, 28}, {2024, 3, 1}), 2);
  EXPECT_EQ(Subs::DaysBetween({2023, 2, 28}, {2023, 3, 1}), 1);
  EXPECT_EQ(Subs::DaysBetween({1999, 12, 31}, {2000, 3, 1}), 61);
  EXPECT_EQ(Subs::DaysBetween({2026, 3, 1}, {2026, 2, 1}), -28);
}

TEST(DayCountingTest, ReminderIsDueAfterOneHundredAndEightyDays) {
  EXPECT_FALSE(Subs::UpdateReminderDue({2026, 1, 1}, {2026, 6, 30}));  // 180
  EXPECT_TRUE(Subs::UpdateReminderDue({2026, 1, 1}, {2026, 7, 1}));    // 181
  // A file dated in the future is not old.
  EXPECT_FALSE(Subs::UpdateReminderDue({2027, 1, 1}, {2026, 1, 1}));
}

}  // namespace
