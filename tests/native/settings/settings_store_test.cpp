#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/fakes/fake_registry.h"
#include "tests/fakes/recording_boxes.h"
#include "tests/fakes/settings_globals.h"

namespace {

using kes_test::ReportLine;
using kes_test::SettingsNow;

const std::string kKey = "SOFTWARE\\Kestrel";
const std::string kProgram = "C:\\Program Files\\Kestrel\\kesview.exe";

class SettingsStoreTest : public ::testing::Test {
 protected:
  void SetUp() override { kes_test::ResetSettings(); }
  void TearDown() override { EXPECT_EQ(registry.OpenHandles(), 0); }

  bool Start() { return Subs::CreateRegKeys(api) && Subs::LoadGlobalsFromRegistry(api, kProgram); }
  std::string Stored(const std::string& name) const {
    const auto value = registry.Get(kKey, name);
    if (!value) return "<missing>";
    if (value->type != platform::kRegSz) return "<type " + std::to_string(value->type) + ">";
    return std::string(value->data.begin(), value->data.end());
  }

  kes_test::FakeRegistry registry;
  kes_test::RecordingBoxes boxes;
  Subs::ErrorReport report{boxes};
  RegistryAPI api{registry, report};
};

TEST_F(SettingsStoreTest, FirstStartWritesEveryDefaultInOrder) {
  ASSERT_TRUE(Start());
  EXPECT_TRUE(registry.HasKey(kKey));
  EXPECT_EQ(registry.Writes(), kes_test::kSettingNames);
  const std::vector<std::string> defaults = kes_test::FirstStartTexts(kProgram);
  for (std::size_t i = 0; i < kes_test::kSettingNames.size(); ++i) {
    EXPECT_EQ(Stored(kes_test::kSettingNames[i]), defaults[i] + '\0') << kes_test::kSettingNames[i];
  }
  EXPECT_EQ(SettingsNow(), (std::vector<std::int16_t>{1, 1, 0, 1, 1, 1, 1, 1}));
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(SettingsStoreTest, LaterStartRewritesOnlyTheDeletedValue) {
  ASSERT_TRUE(Start());
  registry.PutText(kKey, "IDView", std::string("1\0", 2));
  registry.PutText(kKey, "ShowMsg4", std::string("0\0", 2));
  registry.Erase(kKey, "StatusBar");
  const auto writesBefore = registry.Writes().size();
  ASSERT_TRUE(Start());
  EXPECT_EQ(
      std::vector<std::string>(registry.Writes().begin() + writesBefore, registry.Writes().end()),
      std::vector<std::string>{"StatusBar"});
  EXPECT_EQ(Stored("StatusBar"), std::string("1\0", 2));
  EXPECT_EQ(SettingsNow(), (std::vector<std::int16_t>{1, 1, 1, 1, 1, 1, 0, 1}));
}

TEST_F(SettingsStoreTest, BadValueStopsLoadingThere) {
  registry.AddKey(kKey);
  registry.PutText(kKey, "ShowMsg3", std::string("yes\0", 4));
  EXPECT_FALSE(Start());
  EXPECT_EQ(registry.Writes(),
            (std::vector<std::string>{"Toolbar", "StatusBar", "IDView", "ShowMsg1", "ShowMsg2"}));
  for (const char* later : {"ShowMsg4", "ShowMsg5", "Path"}) {
    EXPECT_EQ(Stored(later), "<missing>") << later;
  }
  EXPECT_EQ(SettingsNow(), (std::vector<std::int16_t>{1, 1, 0, 1, 1, 0, 0, 0}));
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(ReportLine(boxes.shown[0], "Routine: "), "GetSetRegValue");
}

TEST_F(SettingsStoreTest, PathIsWrittenOnlyWhenMissing) {
  ASSERT_TRUE(Start());
  ASSERT_TRUE(Subs::LoadGlobalsFromRegistry(api, "D:\\Moved\\kesview.exe"));
  EXPECT_EQ(Stored("Path"), kProgram + '\0');
}

TEST_F(SettingsStoreTest, ToolbarAcceptsDwordZeroAndOtherNumbers) {
  registry.AddKey(kKey);
  registry.Put(kKey, "Toolbar", platform::kRegDword, {0, 0, 0, 0});
  registry.PutText(kKey, "StatusBar", std::string("2\0", 2));
  ASSERT_TRUE(Start());
  EXPECT_EQ(Subs::giToolbar, 0);
  EXPECT_EQ(Subs::giStatusBar, 2);
  EXPECT_EQ(registry.Get(kKey, "Toolbar")->type, platform::kRegDword) << "left as stored";
}

TEST_F(SettingsStoreTest, KeyThatCannotBeCreatedShowsItsBox) {
  registry.createResult = platform::kErrorAccessDenied;
  EXPECT_FALSE(Subs::CreateRegKeys(api));
  EXPECT_EQ(boxes.shown, (kes_test::Boxes{{"Couldn't Create Registry Key!", "Error",
                                           platform::kMbOk | platform::kMbIconStop}}));
}

TEST_F(SettingsStoreTest, ExistingKeyIsNotCreatedAgain) {
  registry.AddKey(kKey);
  registry.createResult = platform::kErrorAccessDenied;
  EXPECT_TRUE(Subs::CreateRegKeys(api));
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(SettingsStoreTest, MissingKeyMakesLoadingFailWithTheWriteBox) {
  EXPECT_FALSE(Subs::LoadGlobalsFromRegistry(api, kProgram));
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "Couldn't Set Key Value In Registry!");
  EXPECT_FALSE(registry.HasKey(kKey));
}

TEST_F(SettingsStoreTest, SwitchingOffAMessageWritesZeroAndClearsItsSetting) {
  ASSERT_TRUE(Start());
  EXPECT_TRUE(Subs::SwitchOffMessage(api, 4));
  EXPECT_EQ(Stored("ShowMsg4"), std::string("0\0", 2));
  EXPECT_EQ(Subs::giShowMsg4, 0);
  EXPECT_EQ(Subs::giShowMsg3, 1);
  EXPECT_FALSE(Subs::SwitchOffMessage(api, 6));
  EXPECT_FALSE(Subs::SwitchOffMessage(api, 0));
  EXPECT_EQ(Subs::ShowMsgSetting(1), &Subs::giShowMsg1);
  EXPECT_EQ(Subs::ShowMsgSetting(5), &Subs::giShowMsg5);
  EXPECT_EQ(Subs::ShowMsgValueName(5), "ShowMsg5");
  EXPECT_EQ(Subs::ShowMsgValueName(6), "");
}

}  // namespace
