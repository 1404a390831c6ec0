// File facts of real files through the Win32 calls.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/failure.h"
#include "platform/win32/file_facts_win32.h"
#include "snapshot/file_date_text.h"
#include "snapshot/module.h"
#include "tests/fakes/failure_of.h"
#include "tests/fakes/win32_helpers.h"

namespace {

using kes_test::ProgramFolder;

class RealFile : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(file.made); }
  // Whether the file system keeps the attribute, so the test checks what it
  // means to check.
  bool Keeps(DWORD attribute) {
    SetFileAttributesA(path.c_str(), attribute);
    const DWORD now = GetFileAttributesA(path.c_str());
    return now != INVALID_FILE_ATTRIBUTES && (now & attribute) != 0;
  }

  // Last written at 20:01:00 on 11 May 1998, local time.
  kes_test::TempFile file{"kes_facts_" + std::to_string(GetCurrentProcessId()) + ".txt", 1234,
                          SYSTEMTIME{1998, 5, 1, 11, 20, 1, 0, 0}};
  const std::string& path = file.path;
  platform::Win32FileFacts facts;
};

TEST_F(RealFile, GivesDateLengthAndNoVersionForAPlainFile) {
  clsModule module;
  module.ExePath(path, facts);
  const platform::DateTimeSeparators separators = facts.Separators();
  EXPECT_EQ(module.msFileDateTime, "05" + separators.date + "11" + separators.date + "1998 08" +
                                       separators.time + "01" + separators.time + "00 PM");
  EXPECT_EQ(module.mlFileSize, 1234);
  EXPECT_EQ(module.moVersionInfo.msFile, path);
  EXPECT_EQ(module.moVersionInfo.mnFileVerMaj, 0);
  EXPECT_EQ(module.moVersionInfo.mnFileVerMin, 0);
  EXPECT_EQ(module.moVersionInfo.mnFileVerRevHi, 0);
  EXPECT_EQ(module.moVersionInfo.mnFileVerRevLo, 0);
}

TEST_F(RealFile, SeparatorsAreTheRegionalSettings) {
  char date[8] = {}, time[8] = {};
  GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDATE, date, sizeof date);
  GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STIME, time, sizeof time);
  EXPECT_EQ(facts.Separators().date, date);
  EXPECT_EQ(facts.Separators().time, time);
}

TEST_F(RealFile, AReadOnlyFileIsNormal) {
  ASSERT_TRUE(Keeps(FILE_ATTRIBUTE_READONLY));
  EXPECT_TRUE(facts.FindNormalFile(path));
}

TEST_F(RealFile, AHiddenOrSystemFileIsNotFoundAfterItsSizeAndDateWereRead) {
  for (const DWORD attribute : {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM}) {
    ASSERT_TRUE(Keeps(attribute)) << "the file system does not keep attribute " << attribute;
    clsModule module;
    EXPECT_EQ(kes_test::FailureOf([&] { module.ExePath(path, facts); }),
              "53 - File Not Found:\r\n\r\n" + path)
        << "attribute " << attribute;
    EXPECT_EQ(module.mlFileSize, 1234);
    EXPECT_FALSE(module.msFileDateTime.empty());
    EXPECT_EQ(module.moVersionInfo.msFile, "");
  }
}

TEST(Win32FileFacts, AMissingFileFailsWithNumber53) {
  platform::Win32FileFacts facts;
  const std::string missing = ProgramFolder() + "no_such_file.dll";
  EXPECT_FALSE(facts.FindNormalFile(missing));
  EXPECT_EQ(kes_test::FailureNumber([&] { facts.LastWriteLocalTime(missing); }),
            kes::kErrFileNotFound);
  EXPECT_THROW(facts.Length(missing), kes::Failure);
}

TEST(Win32FileFacts, ReadsTheVersionResourceOfABuiltLibrary) {
  platform::Win32FileFacts facts;
  const std::string library = ProgramFolder() + "kesver.dll";
  clsModule module;
  module.ExePath(library, facts);
  EXPECT_EQ(module.moVersionInfo.mnFileVerMaj, 4);
  EXPECT_EQ(module.moVersionInfo.mnFileVerMin, 40000);
  EXPECT_EQ(module.moVersionInfo.mnFileVerRevHi, 0);
  EXPECT_EQ(module.moVersionInfo.mnFileVerRevLo, 1998);
  WIN32_FILE_ATTRIBUTE_DATA data{};
  ASSERT_TRUE(GetFileAttributesExA(library.c_str(), GetFileExInfoStandard, &data));
  EXPECT_EQ(module.mlFileSize, static_cast<std::int32_t>(data.nFileSizeLow));
}

}  // namespace
