#include "settings/registry_api.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/fakes/fake_registry.h"
#include "tests/fakes/recording_boxes.h"

namespace {

using namespace std::string_literals;
using kes_test::ReportLine;
using platform::kHkeyLocalMachine;

const std::string kKey = "SOFTWARE\\Kestrel";

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

class RegistryApiTest : public ::testing::Test {
 protected:
  void TearDown() override {
    EXPECT_EQ(registry.OpenHandles(), 0) << "a key was left open";
    EXPECT_EQ(registry.AccessMismatches(), 0) << "a key was opened without access 0x3F";
  }

  // The routine named by the only box shown, which must be an error report
  // of this module.
  std::string ReportedRoutine() const {
    if (boxes.shown.size() != 1) return "boxes shown: " + std::to_string(boxes.shown.size());
    EXPECT_EQ(ReportLine(boxes.shown[0], "Module:  "), "RegistryAPI");
    return ReportLine(boxes.shown[0], "Routine: ");
  }

  kes_test::FakeRegistry registry;
  kes_test::RecordingBoxes boxes;
  Subs::ErrorReport report{boxes};
  RegistryAPI api{registry, report};
};

TEST_F(RegistryApiTest, KeyExistsOnlyAfterCreation) {
  EXPECT_FALSE(api.RegKeyExist(kHkeyLocalMachine, kKey));
  EXPECT_TRUE(api.CreateNewKey(kHkeyLocalMachine, kKey));
  EXPECT_TRUE(api.RegKeyExist(kHkeyLocalMachine, kKey));
  EXPECT_TRUE(api.CreateNewKey(kHkeyLocalMachine, kKey)) << "an existing key is opened";
  registry.createResult = platform::kErrorAccessDenied;
  EXPECT_FALSE(api.CreateNewKey(kHkeyLocalMachine, "SOFTWARE\\Other"));
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(RegistryApiTest, TextIsWrittenWithItsNulCounted) {
  registry.AddKey(kKey);
  EXPECT_TRUE(api.SetKeyValue(kHkeyLocalMachine, kKey, "Toolbar", "1", platform::kRegSz));
  EXPECT_TRUE(api.SetKeyValue(kHkeyLocalMachine, kKey, "Empty", "", platform::kRegSz));
  EXPECT_TRUE(api.SetKeyValue(kHkeyLocalMachine, kKey, "Number", -42, platform::kRegSz));
  EXPECT_EQ(registry.Get(kKey, "Toolbar")->data, Bytes(std::string("1\0", 2)));
  EXPECT_EQ(registry.Get(kKey, "Empty")->data, Bytes(std::string(1, '\0')));
  EXPECT_EQ(registry.Get(kKey, "Number")->data, Bytes(std::string("-42\0", 4)));
  EXPECT_EQ(registry.Get(kKey, "Number")->type, platform::kRegSz);
}

TEST_F(RegistryApiTest, DwordIsWrittenAsFourLittleEndianBytes) {
  registry.AddKey(kKey);
  EXPECT_TRUE(api.SetKeyValue(kHkeyLocalMachine, kKey, "A", 0x01020304, platform::kRegDword));
  EXPECT_TRUE(api.SetKeyValue(kHkeyLocalMachine, kKey, "B", "-2", platform::kRegDword));
  EXPECT_EQ(registry.Get(kKey, "A")->data, (std::vector<std::uint8_t>{4, 3, 2, 1}));
  EXPECT_EQ(registry.Get(kKey, "B")->data, (std::vector<std::uint8_t>{0xFE, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(registry.Get(kKey, "B")->type, platform::kRegDword);
}

TEST_F(RegistryApiTest, OtherTypesWriteNothingAndSucceed) {
  registry.AddKey(kKey);
  EXPECT_TRUE(api.SetKeyValue(kHkeyLocalMachine, kKey, "Bin", "1", platform::kRegBinary));
  EXPECT_FALSE(registry.Get(kKey, "Bin"));
  EXPECT_TRUE(registry.Writes().empty());
}

TEST_F(RegistryApiTest, SetKeyValueNeverCreatesTheKey) {
  EXPECT_FALSE(api.SetKeyValue(kHkeyLocalMachine, kKey, "Toolbar", "1", platform::kRegSz));
  EXPECT_FALSE(registry.HasKey(kKey));
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(RegistryApiTest, RefusedWriteIsReportedAsFalse) {
  registry.AddKey(kKey);
  registry.setResult = platform::kErrorAccessDenied;
  EXPECT_FALSE(api.SetKeyValue(kHkeyLocalMachine, kKey, "Toolbar", "1", platform::kRegSz));
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(RegistryApiTest, DwordThatCannotBeConvertedIsReportedAndNotWritten) {
  registry.AddKey(kKey);
  EXPECT_FALSE(api.SetKeyValue(kHkeyLocalMachine, kKey, "A", "abc", platform::kRegDword));
  EXPECT_EQ(ReportedRoutine(), "SetValueEx");
  EXPECT_FALSE(registry.Get(kKey, "A"));
}

class QueryTest : public RegistryApiTest {
 protected:
  void SetUp() override { registry.AddKey(kKey); }

  // Reads through QueryValue into a value that starts as `marker`.
  RegistryValue Read(const std::string& name, bool expectFound = true) {
    RegistryValue value("marker");
    EXPECT_EQ(api.QueryValue(kHkeyLocalMachine, kKey, name, value), expectFound) << name;
    return value;
  }
};

TEST_F(QueryTest, MissingKeyOrValueLeavesTheValueAlone) {
  EXPECT_EQ(Read("Absent", false), RegistryValue("marker"));
  RegistryValue value("marker");
  EXPECT_FALSE(api.QueryValue(kHkeyLocalMachine, "SOFTWARE\\Nowhere", "Toolbar", value));
  EXPECT_EQ(value, RegistryValue("marker"));
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(QueryTest, TextLosesEveryTrailingNulAndNeverReadsPastTheData) {
  const std::string big(65536, 'k');
  // Stored bytes and the text they read as.
  const std::pair<std::string, std::string> cases[] = {
      {"1\0"s, "1"},   {"12\0\0\0\0"s, "12"}, {"34", "34"},     {"", ""},
      {"\0\0\0"s, ""}, {"5\0x\0"s, "5\0x"s},  {big + '\0', big}};
  for (const auto& [stored, text] : cases) {
    registry.PutText(kKey, "Value", stored);
    EXPECT_EQ(Read("Value"), RegistryValue(text)) << stored.size() << " bytes";
  }
}

TEST_F(QueryTest, ValueEditedBetweenSizeAndDataReads) {
  registry.PutText(kKey, "Shrinks", std::string("12345\0", 6));
  registry.beforeDataRead = [&] { registry.PutText(kKey, "Shrinks", std::string("9\0", 2)); };
  EXPECT_EQ(Read("Shrinks"), RegistryValue("9"));
  registry.PutText(kKey, "Grows", std::string("1\0", 2));
  registry.beforeDataRead = [&] { registry.PutText(kKey, "Grows", std::string(100, 'x')); };
  EXPECT_TRUE(Read("Grows").IsEmpty()) << "a failed data read counts as found, empty";
}

TEST_F(QueryTest, DwordReadsAsAnInteger) {
  registry.Put(kKey, "One", platform::kRegDword, {1, 0, 0, 0});
  registry.Put(kKey, "Minus", platform::kRegDword, {0xFF, 0xFF, 0xFF, 0xFF});
  EXPECT_EQ(Read("One"), RegistryValue(1));
  EXPECT_EQ(Read("Minus"), RegistryValue(-1));
}

TEST_F(QueryTest, OtherTypesAndOversizedDwordsAreFoundButEmpty) {
  registry.Put(kKey, "Bin", platform::kRegBinary, {1, 2, 3});
  registry.Put(kKey, "Long", platform::kRegDword, {1, 0, 0, 0, 0, 0, 0, 0});
  EXPECT_TRUE(Read("Bin").IsEmpty());
  EXPECT_TRUE(Read("Long").IsEmpty());
}

TEST_F(QueryTest, QueryValueExReportsItsCodes) {
  registry.Put(kKey, "Bin", platform::kRegBinary, {1});
  registry.Put(kKey, "Long", platform::kRegDword, {1, 0, 0, 0, 0});
  registry.PutText(kKey, "Text", "7");
  platform::RegistryKey key = 0;
  ASSERT_EQ(registry.OpenKey(kHkeyLocalMachine, kKey, platform::kKeyAccess, key), 0);
  RegistryValue value("marker");
  EXPECT_EQ(api.QueryValueEx(key, "Absent", value), 5);
  EXPECT_EQ(api.QueryValueEx(key, "Bin", value), -1);
  EXPECT_EQ(api.QueryValueEx(key, "Long", value), platform::kErrorMoreData);
  EXPECT_EQ(value, RegistryValue("marker"));
  EXPECT_EQ(api.QueryValueEx(key, "Text", value), 0);
  EXPECT_EQ(value, RegistryValue("7"));
  registry.CloseKey(key);
}

TEST_F(QueryTest, PlatformFailureIsReportedAsQueryValue) {
  registry.throwOnOpen = true;
  RegistryValue value("marker");
  EXPECT_FALSE(api.QueryValue(kHkeyLocalMachine, kKey, "Toolbar", value));
  EXPECT_EQ(ReportedRoutine(), "Query Value");
  EXPECT_EQ(value, RegistryValue("marker"));
}

TEST_F(QueryTest, PlatformFailureIsReportedByEachOperation) {
  registry.throwOnOpen = true;
  EXPECT_FALSE(api.RegKeyExist(kHkeyLocalMachine, kKey));
  registry.throwOnOpen = true;
  EXPECT_FALSE(api.SetKeyValue(kHkeyLocalMachine, kKey, "A", "1", platform::kRegSz));
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(ReportLine(boxes.shown[0], "Routine: "), "RegKeyExist");
  EXPECT_EQ(ReportLine(boxes.shown[1], "Routine: "), "SetKeyValue");
}

class GetSetTest : public QueryTest {
 protected:
  std::int16_t slot = -7;
  bool GetSet(const std::string& name, const RegistryValue& defaultValue = "1") {
    return api.GetSetRegValue(kHkeyLocalMachine, kKey, name, defaultValue, slot);
  }
};

TEST_F(GetSetTest, StoredTextOrDwordGoesIntoTheSlot) {
  registry.PutText(kKey, "Text", "1\0"s);
  registry.Put(kKey, "Dword", platform::kRegDword, {1, 0, 0, 0});
  registry.PutText(kKey, "Minus", "-5\0"s);
  registry.PutText(kKey, "Nuls", "2\0\0\0"s);
  for (const auto& [name, number] :
       {std::pair{"Text", 1}, {"Dword", 1}, {"Minus", -5}, {"Nuls", 2}}) {
    slot = -7;
    EXPECT_TRUE(GetSet(name, "0")) << name;
    EXPECT_EQ(slot, number) << name;
  }
  EXPECT_TRUE(registry.Writes().empty());
}

TEST_F(GetSetTest, OtherTypeCountsAsFoundAndReadsZero) {
  registry.Put(kKey, "Bin", platform::kRegBinary, {9, 9});
  EXPECT_TRUE(GetSet("Bin"));
  EXPECT_EQ(slot, 0);
  EXPECT_EQ(registry.Get(kKey, "Bin")->type, platform::kRegBinary) << "left as it was";
}

TEST_F(GetSetTest, MissingValueIsWrittenWithTheDefaultAsText) {
  EXPECT_TRUE(GetSet("Toolbar", "1"));
  EXPECT_EQ(slot, 1);
  EXPECT_EQ(registry.Get(kKey, "Toolbar")->type, platform::kRegSz);
  EXPECT_EQ(registry.Get(kKey, "Toolbar")->data, Bytes(std::string("1\0", 2)));
}

TEST_F(GetSetTest, ValuesThatDoNotFitAreReportedAndLeaveTheSlot) {
  registry.PutText(kKey, "Letters", std::string("abc\0", 4));
  registry.PutText(kKey, "Empty", std::string(1, '\0'));
  registry.PutText(kKey, "Trailing", std::string("1abc\0", 5));
  registry.PutText(kKey, "Huge", std::string(70000, '9') + '\0');
  registry.PutText(kKey, "JustOver", "32768");
  registry.Put(kKey, "BigDword", platform::kRegDword, {0x70, 0x11, 0x01, 0});
  registry.Put(kKey, "LowDword", platform::kRegDword, {0xFF, 0x7F, 0xFF, 0xFF});
  for (const char* name :
       {"Letters", "Empty", "Trailing", "Huge", "JustOver", "BigDword", "LowDword"}) {
    boxes.shown.clear();
    EXPECT_FALSE(GetSet(name)) << name;
    EXPECT_EQ(ReportedRoutine(), "GetSetRegValue") << name;
    EXPECT_EQ(slot, -7) << name;
  }
  EXPECT_TRUE(registry.Writes().empty()) << "a bad value is never overwritten";
}

TEST_F(GetSetTest, UnwritableDefaultShowsItsBox) {
  registry.setResult = platform::kErrorAccessDenied;
  EXPECT_FALSE(GetSet("Toolbar"));
  EXPECT_EQ(slot, -7);
  EXPECT_EQ(boxes.shown, (kes_test::Boxes{{"Couldn't Set Key Value In Registry!", "Error",
                                           platform::kMbOk | platform::kMbIconStop}}));
}

TEST_F(GetSetTest, ReadFailureNeverOverwritesTheStoredValue) {
  registry.PutText(kKey, "Toolbar", std::string("0\0", 2));
  registry.throwOnOpen = true;
  EXPECT_FALSE(GetSet("Toolbar"));
  EXPECT_EQ(ReportedRoutine(), "Query Value");
  EXPECT_EQ(slot, -7);
  EXPECT_TRUE(registry.Writes().empty());
}

TEST_F(GetSetTest, TextSlotTakesStoredTextOrDefault) {
  registry.PutText(kKey, "Path", std::string("C:\\Old\\kesview.exe\0", 20));
  std::string path = "unchanged";
  EXPECT_TRUE(api.GetSetRegValue(kHkeyLocalMachine, kKey, "Path", "C:\\New\\kesview.exe", path));
  EXPECT_EQ(path, "C:\\Old\\kesview.exe");
  registry.Put(kKey, "Number", platform::kRegDword, {12, 0, 0, 0});
  EXPECT_TRUE(api.GetSetRegValue(kHkeyLocalMachine, kKey, "Number", "", path));
  EXPECT_EQ(path, "12");
  EXPECT_TRUE(api.GetSetRegValue(kHkeyLocalMachine, kKey, "Other", "C:\\x.exe", path));
  EXPECT_EQ(path, "C:\\x.exe");
  EXPECT_EQ(registry.Writes(), std::vector<std::string>{"Other"});
}

TEST_F(RegistryApiTest, DeletesAKeyOnlyWhenItExists) {
  registry.AddKey(kKey);
  EXPECT_TRUE(api.RegDeleteKeyEx(kHkeyLocalMachine, kKey));
  EXPECT_FALSE(registry.HasKey(kKey));
  EXPECT_FALSE(api.RegDeleteKeyEx(kHkeyLocalMachine, kKey));
  EXPECT_TRUE(boxes.shown.empty());
}

}  // namespace
