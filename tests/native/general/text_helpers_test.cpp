#include "shell/general/text_helpers.h"

#include <gtest/gtest.h>

#include "shell/general/windows_dir.h"
#include "tests/native/general/fakes.h"

namespace {

using namespace std::string_literals;

TEST(AddBackslash, AddsExactlyOneBackslash) {
  EXPECT_EQ(Subs::AddBackslash(platform::FileNameRule(), ""), "\\");
  EXPECT_EQ(Subs::AddBackslash(platform::FileNameRule(), "C:\\"), "C:\\");
  EXPECT_EQ(Subs::AddBackslash(platform::FileNameRule(), "C:\\Program Files\\Kestrel"),
            "C:\\Program Files\\Kestrel\\");
  EXPECT_EQ(Subs::AddBackslash(platform::FileNameRule(), "C:\\Windows\\"), "C:\\Windows\\");
  EXPECT_EQ(Subs::AddBackslash(platform::FileNameRule(), "C:/x/"), "C:/x/\\");
}

TEST(StripTrailingNulls, CutsAfterTheLastOtherCharacter) {
  EXPECT_EQ(Subs::StripTrailingNulls(""), "");
  EXPECT_EQ(Subs::StripTrailingNulls("1"), "1");
  EXPECT_EQ(Subs::StripTrailingNulls("1\0\0\0"s), "1");
  EXPECT_EQ(Subs::StripTrailingNulls("\0\0"s), "");
  EXPECT_EQ(Subs::StripTrailingNulls("a\0b\0"s), "a\0b"s);
  EXPECT_EQ(Subs::StripTrailingNulls(" \0"s), " ");
}

class GetWindowsDirTest : public ::testing::Test {
 protected:
  general_test::FakeFolders folders;
  kes_test::RecordingBoxes boxes;
  Subs::ErrorReport report{boxes};
  platform::FileNameRule rule;
};

TEST_F(GetWindowsDirTest, AddsABackslashToWhatTheSystemStored) {
  folders.windowsDir = "C:\\WINDOWS";
  EXPECT_EQ(Subs::GetWindowsDir(folders, rule, report), "C:\\WINDOWS\\");
  EXPECT_EQ(folders.offeredSize, 145u);
  folders.windowsDir = "D:\\";
  EXPECT_EQ(Subs::GetWindowsDir(folders, rule, report), "D:\\");
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(GetWindowsDirTest, GivesEmptyTextWhenThereIsNoneOrItDoesNotFit) {
  folders.windowsDir = "";
  EXPECT_EQ(Subs::GetWindowsDir(folders, rule, report), "");
  folders.windowsDir = "C:\\" + std::string(141, 'w');  // 144 characters and the NUL fit
  EXPECT_EQ(Subs::GetWindowsDir(folders, rule, report), folders.windowsDir + "\\");
  folders.windowsDir += "w";
  EXPECT_EQ(Subs::GetWindowsDir(folders, rule, report), "");
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(GetWindowsDirTest, ReportsAnUnexpectedFailureAndGivesEmptyText) {
  folders.failure = true;
  EXPECT_EQ(Subs::GetWindowsDir(folders, rule, report), "");
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, Subs::ErrorReportText(5, "Invalid procedure call or argument",
                                                       "Subs", "GetWindowsDir", ""));
}

}  // namespace
