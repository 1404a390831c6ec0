// The registry layer and the settings store against the real registry of the
// test prefix. Each test starts and ends without HKLM\SOFTWARE\Kestrel.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/registry_win32.h"
#include "settings/settings_store.h"
#include "tests/fakes/recording_boxes.h"
#include "tests/fakes/settings_globals.h"
#include "tests/fakes/win32_helpers.h"

namespace {

using kes_test::ReportLine;

const char* const kKey = "SOFTWARE\\Kestrel";
const std::string kProgram = "C:\\Program Files\\Kestrel\\kesview.exe";

struct Stored {
  LONG code = -1;
  DWORD type = 0;
  std::string data;
};

// Reads a value back with the ANSI calls, exactly as stored.
Stored ReadBack(const char* name) {
  Stored stored;
  HKEY key = nullptr;
  stored.code = RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_QUERY_VALUE, &key);
  if (stored.code != ERROR_SUCCESS) return stored;
  DWORD size = 0;
  stored.code = RegQueryValueExA(key, name, nullptr, &stored.type, nullptr, &size);
  if (stored.code == ERROR_SUCCESS) {
    stored.data.assign(size, '\xCC');
    stored.code = RegQueryValueExA(key, name, nullptr, &stored.type,
                                   reinterpret_cast<BYTE*>(stored.data.data()), &size);
    stored.data.resize(size);
  }
  RegCloseKey(key);
  return stored;
}

// Stores a value with the ANSI call as someone editing by hand might.
void Write(const char* name, DWORD type, const std::string& bytes) {
  ASSERT_TRUE(kes_test::PutRegistryValue(HKEY_LOCAL_MACHINE, kKey, name, type, bytes)) << name;
}

bool KeyExists() { return kes_test::RegistryKeyExists(HKEY_LOCAL_MACHINE, kKey); }

class RealRegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kKey);
    ASSERT_FALSE(KeyExists());
    kes_test::ResetSettings();
  }
  void TearDown() override { RegDeleteKeyA(HKEY_LOCAL_MACHINE, kKey); }

  bool GetSet(const char* name, std::int16_t& slot) {
    return api.GetSetRegValue(platform::kHkeyLocalMachine, kKey, name, "1", slot);
  }

  platform::Win32Registry registry;
  kes_test::RecordingBoxes boxes;
  Subs::ErrorReport report{boxes};
  RegistryAPI api{registry, report};
};

TEST_F(RealRegistryTest, FirstStartWritesEveryDefaultAsText) {
  ASSERT_TRUE(Subs::CreateRegKeys(api));
  ASSERT_TRUE(Subs::LoadGlobalsFromRegistry(api, kProgram));
  const auto& names = kes_test::kSettingNames;
  const auto defaults = kes_test::FirstStartTexts(kProgram);
  for (std::size_t i = 0; i < names.size(); ++i) {
    const Stored stored = ReadBack(names[i].c_str());
    EXPECT_EQ(stored.code, ERROR_SUCCESS) << names[i];
    EXPECT_EQ(stored.type, static_cast<DWORD>(REG_SZ)) << names[i];
    EXPECT_EQ(stored.data, defaults[i] + '\0') << names[i] << ": the NUL is counted";
  }
  EXPECT_EQ(kes_test::SettingsNow(), (std::vector<std::int16_t>{1, 1, 0, 1, 1, 1, 1, 1}));
  EXPECT_TRUE(boxes.shown.empty());

  // A later start from elsewhere keeps the stored path and rewrites only a
  // deleted value.
  ASSERT_TRUE(api.SetKeyValue(platform::kHkeyLocalMachine, kKey, "IDView", "1", platform::kRegSz));
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
  RegDeleteValueA(key, "ShowMsg2");
  RegCloseKey(key);
  ASSERT_TRUE(Subs::LoadGlobalsFromRegistry(api, "D:\\Moved\\kesview.exe"));
  EXPECT_EQ(Subs::giIDView, 1);
  EXPECT_EQ(ReadBack("ShowMsg2").data, std::string("1\0", 2));
  EXPECT_EQ(ReadBack("Path").data, kProgram + '\0');
}

TEST_F(RealRegistryTest, DwordAndBinaryValuesSetByHand) {
  Write("Toolbar", REG_DWORD, std::string("\0\0\0\0", 4));
  Write("StatusBar", REG_BINARY, "\x01\x02");
  Write("IDView", REG_DWORD, std::string("\x01\0\0\0", 4));
  ASSERT_TRUE(Subs::LoadGlobalsFromRegistry(api, kProgram));
  EXPECT_EQ(Subs::giToolbar, 0);
  EXPECT_EQ(Subs::giStatusBar, 0) << "another type counts as found and empty";
  EXPECT_EQ(Subs::giIDView, 1);
  EXPECT_EQ(ReadBack("StatusBar").type, static_cast<DWORD>(REG_BINARY));

  ASSERT_TRUE(api.SetKeyValue(platform::kHkeyLocalMachine, kKey, "Number", 0x01020304,
                              platform::kRegDword));
  const Stored number = ReadBack("Number");
  EXPECT_EQ(number.type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(number.data, "\x04\x03\x02\x01");
  RegistryValue value;
  ASSERT_TRUE(api.QueryValue(platform::kHkeyLocalMachine, kKey, "Number", value));
  EXPECT_EQ(value, RegistryValue(0x01020304));
}

TEST_F(RealRegistryTest, SetKeyValueNeverCreatesTheKey) {
  EXPECT_FALSE(
      api.SetKeyValue(platform::kHkeyLocalMachine, kKey, "Toolbar", "1", platform::kRegSz));
  EXPECT_FALSE(KeyExists());
  EXPECT_FALSE(api.RegKeyExist(platform::kHkeyLocalMachine, kKey));
  RegistryValue value("marker");
  EXPECT_FALSE(api.QueryValue(platform::kHkeyLocalMachine, kKey, "Toolbar", value));
  EXPECT_EQ(value, RegistryValue("marker"));
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(RealRegistryTest, KeyIsCreatedAndDeleted) {
  EXPECT_EQ(reinterpret_cast<HKEY>(platform::kHkeyLocalMachine), HKEY_LOCAL_MACHINE);
  ASSERT_TRUE(api.CreateNewKey(platform::kHkeyLocalMachine, kKey));
  EXPECT_TRUE(api.RegKeyExist(platform::kHkeyLocalMachine, kKey));
  ASSERT_TRUE(
      api.SetKeyValue(platform::kHkeyLocalMachine, kKey, "Path", kProgram, platform::kRegSz));
  EXPECT_TRUE(api.RegDeleteKeyEx(platform::kHkeyLocalMachine, kKey));
  EXPECT_FALSE(KeyExists());
  EXPECT_FALSE(api.RegDeleteKeyEx(platform::kHkeyLocalMachine, kKey));
}

TEST_F(RealRegistryTest, TextStoredByHandReadsWithoutItsNuls) {
  Write("Nuls", REG_SZ, std::string("1\0\0\0\0", 5));
  Write("NoNul", REG_SZ, "7");
  const std::string big(65536, 'k');
  Write("Big", REG_SZ, big + '\0');
  Write("BigNoNul", REG_SZ, big);
  std::int16_t slot = 0;
  EXPECT_TRUE(GetSet("Nuls", slot));
  EXPECT_EQ(slot, 1);
  EXPECT_TRUE(GetSet("NoNul", slot));
  EXPECT_EQ(slot, 7);
  for (const char* name : {"Big", "BigNoNul"}) {
    RegistryValue value;
    ASSERT_TRUE(api.QueryValue(platform::kHkeyLocalMachine, kKey, name, value)) << name;
    EXPECT_EQ(value, RegistryValue(big)) << name;
  }
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(RealRegistryTest, ValuesThatAreNoSettingAreRejectedAndKept) {
  // What the real registry adds to the cases tested natively: a value of no
  // bytes at all and a very long one.
  Write("Letters", REG_SZ, std::string("abc\0", 4));
  Write("NoBytes", REG_SZ, "");
  Write("Huge", REG_SZ, std::string(65536, '9') + '\0');
  for (const char* name : {"Letters", "NoBytes", "Huge"}) {
    boxes.shown.clear();
    std::int16_t slot = -7;
    EXPECT_FALSE(GetSet(name, slot)) << name;
    EXPECT_EQ(slot, -7) << name;
    ASSERT_EQ(boxes.shown.size(), 1u) << name;
    EXPECT_EQ(ReportLine(boxes.shown[0], "Routine: "), "GetSetRegValue") << name;
  }
  EXPECT_EQ(ReadBack("Letters").data, std::string("abc\0", 4)) << "a bad value is not rewritten";
}

}  // namespace
