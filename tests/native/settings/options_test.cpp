#include "settings/options.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/failure.h"
#include "settings/settings_store.h"
#include "tests/fakes/fake_registry.h"
#include "tests/fakes/fake_shell_places.h"
#include "tests/fakes/recording_boxes.h"
#include "tests/fakes/settings_globals.h"

namespace {

using Entry = kes_test::FakeFileSystem::Entry;
using kes_test::ReportLine;

const std::string kKey = "SOFTWARE\\Kestrel";
const std::string kProgram = "C:\\Program Files\\Kestrel\\kesview.exe";
const std::string kQuickLaunch =
    "C:\\WINDOWS\\Application Data\\Microsoft\\Internet Explorer\\Quick Launch";

// The dialog's controls: the list refuses an index it has no item for.
class FakeForm final : public Subs::OptionsForm {
 public:
  std::int16_t ShortcutBox(int index) override {
    if (failOnRead) throw kes::Failure(340, "Control array element does not exist");
    return boxes.at(index);
  }
  void SetShortcutBox(int index, std::int16_t value) override { boxes.at(index) = value; }
  void GreyShortcutBox(int index) override { greyed.at(index) = true; }
  int IdViewIndex() override { return idView; }
  void SelectIdView(int index) override {
    if (index < 0 || index > 1) throw kes::Failure(380, "Invalid property value");
    idView = index;
  }
  std::array<std::int16_t, 6> boxes{};
  std::array<bool, 6> greyed{};
  int idView = 0;
  bool failOnRead = false;
};

class OptionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    kes_test::ResetSettings();
    registry.AddKey(kKey);
  }
  std::string Stored(const std::string& name) const {
    const auto value = registry.Get(kKey, name);
    if (!value) return "<missing>";
    return std::string(value->data.begin(), value->data.end());
  }
  void StoreIdView(const std::optional<std::string>& text) {
    if (text) {
      registry.PutText(kKey, "IDView", *text + '\0');
    } else {
      registry.Erase(kKey, "IDView");
    }
  }

  kes_test::FakeRegistry registry;
  kes_test::RecordingBoxes boxes;
  Subs::ErrorReport report{boxes};
  RegistryAPI api{registry, report};
  kes_test::FakeFileSystem files;
  kes_test::FakeShellLinks links;
  platform::FileNameRule rule;
  Subs::OptionsServices services{api, files, files, files, files, links, rule, "Kestrel", kProgram};
  FakeForm form;
};

TEST_F(OptionsTest, StoredIdViewChoosesTheListItemAndOkWritesItBack) {
  const struct {
    std::optional<std::string> stored;
    int selected;
    const char* written;
    std::int16_t setting;
  } cases[] = {
      {"1", 1, "1", 1},    {"7", 0, "0", 0},          {"abc", 0, "0", 0},
      {"1abc", 1, "1", 1}, {std::nullopt, 0, "0", 0}, {"0", 0, "0", 0},
  };
  for (const auto& c : cases) {
    const std::string name = c.stored.value_or("<missing>");
    StoreIdView(c.stored);
    form = FakeForm{};
    Subs::giIDView = 9;
    Subs::LoadOptions(form, services);
    EXPECT_EQ(form.idView, c.selected) << name;
    EXPECT_TRUE(Subs::SaveOptions(form, services)) << name;
    EXPECT_EQ(Stored("IDView"), std::string(c.written) + '\0') << name;
    EXPECT_EQ(Subs::giIDView, c.setting) << name;
  }
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(OptionsTest, LoadTicksTheBoxesWhoseShortcutsExist) {
  files.Add(kQuickLaunch, Entry::kFolder);
  files.Add("C:\\WINDOWS\\Desktop\\Kestrel.LNK", Entry::kFile);
  files.Add("C:\\WINDOWS\\Start Menu\\Programs\\Startup\\Kestrel.LNK", Entry::kFile);
  files.Add("C:\\WINDOWS\\Start Menu\\Kestrel.LNK", Entry::kHiddenFile);
  form.boxes = {1, 1, 1, 1, 7, 1};
  Subs::LoadOptions(form, services);
  EXPECT_EQ(form.boxes, (std::array<std::int16_t, 6>{1, 1, 0, 0, 7, 0}));
  // In the order the boxes are shown: Startup, Quick Launch, Desktop, Start
  // Menu, Program Menu.
  EXPECT_EQ(files.searched,
            (std::vector<std::string>{
                "C:\\WINDOWS\\Start Menu\\Programs\\Startup\\Kestrel.LNK",
                "C:\\WINDOWS\\Application Data\\Microsoft\\Internet Explorer\\Quick "
                "Launch\\Kestrel.LNK",
                "C:\\WINDOWS\\Desktop\\Kestrel.LNK", "C:\\WINDOWS\\Start Menu\\Kestrel.LNK",
                "C:\\WINDOWS\\Start Menu\\Programs\\Kestrel.LNK"}));
  EXPECT_EQ(form.greyed, (std::array<bool, 6>{}));
}

TEST_F(OptionsTest, WithoutAQuickLaunchFolderItsBoxIsUntickedAndGreyed) {
  files.Add(kQuickLaunch + "\\Kestrel.LNK", Entry::kFile);  // no folder: the file is not there
  form.boxes = {0, 0, 0, 0, 0, 1};
  Subs::LoadOptions(form, services);
  EXPECT_EQ(form.boxes[5], 0);
  EXPECT_EQ(form.greyed, (std::array<bool, 6>{false, false, false, false, false, true}));
  EXPECT_EQ(files.searched.size(), 4u);
}

TEST_F(OptionsTest, SaveHandsEachBoxToItsPlaceWithTheProgramAsTarget) {
  form.boxes = {1, 0, 0, 1, 0, 1};  // Startup, Program Menu, Quick Launch
  ASSERT_TRUE(Subs::SaveOptions(form, services));
  EXPECT_EQ(links.calls, (std::vector<std::string>{
                             "create|..\\..\\Application Data\\Microsoft\\Internet Explorer\\Quick "
                             "Launch|Kestrel|" +
                                 kProgram + "|",
                             "remove|..\\..\\Desktop|Kestrel", "create||Kestrel|" + kProgram + "|",
                             "create|\\Startup|Kestrel|" + kProgram + "|",
                             "remove|..\\..\\Start Menu|Kestrel"}));
  // The settings were reloaded: every one of them holds its stored value.
  EXPECT_EQ(kes_test::SettingsNow(), (std::vector<std::int16_t>{1, 1, 0, 1, 1, 1, 1, 1}));
  EXPECT_EQ(Stored("Path"), kProgram + '\0');
}

TEST_F(OptionsTest, FaultInSaveIsReportedAndKeepsWhatWasWritten) {
  form.idView = 1;
  form.failOnRead = true;
  EXPECT_FALSE(Subs::SaveOptions(form, services));
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(ReportLine(boxes.shown[0], "Module:  "), "frmOptions");
  EXPECT_EQ(ReportLine(boxes.shown[0], "Routine: "), "SaveOptions");
  EXPECT_EQ(Stored("IDView"), std::string("1\0", 2));
  EXPECT_TRUE(links.calls.empty());
}

TEST(LeadingNumber, TakesTheNumberTheTextStartsWithRoundedHalfToEven) {
  const struct {
    const char* text;
    std::int32_t number;
  } cases[] = {
      {"", 0},    {"abc", 0},  {"1abc", 1}, {" 1", 1},    {"-1", -1}, {"+7x", 7},
      {"2.5", 2}, {"3.5z", 4}, {".5", 0},   {"1e1x", 10}, {"1e", 1},  {"-", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(Subs::LeadingNumber(c.text), c.number) << c.text;
}

}  // namespace
