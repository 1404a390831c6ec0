#include "shell/general/web.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <new>

#include "tests/native/general/fakes.h"

namespace {

using ::testing::_;
using ::testing::Eq;
using ::testing::Invoke;
using ::testing::Return;
using ::testing::StrictMock;

constexpr const char* kFolder = "C:\\Program Files\\Kestrel";
constexpr const char* kTempPage = "C:\\Program Files\\Kestrel\\TEMP.HTM";
constexpr const char* kBrowser = "C:\\Browser\\browse.exe";
constexpr platform::WindowHandle kOwner = 0x1234;

class WebTest : public ::testing::Test {
 protected:
  explicit WebTest(std::string folder = kFolder) : web{folder, rule, shell, files, report} {}

  // The temporary page must exist, with its one line, while the browser is looked up.
  void ExpectBrowserFound(std::intptr_t code = 42, std::string tempPage = kTempPage) {
    EXPECT_CALL(shell, FindExecutableFor(Eq(tempPage)))
        .WillOnce(Invoke([this, code, tempPage](const std::string&) {
          EXPECT_EQ(files.files.count(tempPage), 1u);
          EXPECT_EQ(files.files[tempPage], "\"<HTML> <\\HTML>\"\r\n");
          return platform::FoundExecutable{code, kBrowser};
        }));
  }

  platform::FileNameRule rule;
  StrictMock<general_test::MockShell> shell;
  general_test::MemoryFiles files;
  kes_test::RecordingBoxes boxes;
  Subs::ErrorReport report{boxes};
  Subs::WebLauncher web;
};

TEST_F(WebTest, StartsTheBrowserWithTheAddressAndRemovesTheTemporaryPage) {
  ExpectBrowserFound();
  EXPECT_CALL(shell, ShellExecuteFile(kOwner, "open", kBrowser, "http://www.kestrel.example/", 1))
      .WillOnce(Return(33));
  EXPECT_TRUE(web.LoadWebBrowser(kOwner, "http://www.kestrel.example/"));
  EXPECT_TRUE(files.files.empty());
  EXPECT_EQ(files.written.size(), 1u);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(WebTest, QuotesAnAddressWithABlankSoItStaysOneArgument) {
  ExpectBrowserFound();
  EXPECT_CALL(shell, ShellExecuteFile(_, _, _, "\"C:\\My Pages\\a b.htm\"", _))
      .WillOnce(Return(33));
  EXPECT_TRUE(web.LoadWebBrowser(kOwner, "C:\\My Pages\\a b.htm"));
}

TEST_F(WebTest, HelpPageIsTheProgramFolderPageQuotedBecauseOfTheBlank) {
  ExpectBrowserFound();
  EXPECT_CALL(shell, ShellExecuteFile(kOwner, "open", kBrowser,
                                      "\"C:\\Program Files\\Kestrel\\options.htm\"", 1))
      .WillOnce(Return(33));
  web.LoadHelpPage(kOwner, "options.htm");
  EXPECT_TRUE(files.files.empty());
}

TEST(QuoteAddress, QuotesOnlyAddressesWithBlanksThatAreNotQuotedYet) {
  EXPECT_EQ(Subs::QuoteAddress("http://a.example/x?y=1"), "http://a.example/x?y=1");
  EXPECT_EQ(Subs::QuoteAddress("C:\\KES\\index.htm"), "C:\\KES\\index.htm");
  EXPECT_EQ(Subs::QuoteAddress("C:\\A B\\c.htm"), "\"C:\\A B\\c.htm\"");
  EXPECT_EQ(Subs::QuoteAddress("\"C:\\A B\\c.htm\""), "\"C:\\A B\\c.htm\"");
  EXPECT_EQ(Subs::QuoteAddress("a\tb"), "\"a\tb\"");
  EXPECT_EQ(Subs::QuoteAddress(""), "");
}

TEST_F(WebTest, TellsTheUserWhenNoBrowserIsRegisteredAndStillSucceeds) {
  ExpectBrowserFound(31);
  EXPECT_TRUE(web.LoadWebBrowser(kOwner, "http://www.kestrel.example/"));
  EXPECT_EQ(boxes.shown, (kes_test::Boxes{{"Could not find Web Browser!", "Kestrel",
                                           platform::kMbOk | platform::kMbIconExclamation}}));
  EXPECT_TRUE(files.files.empty());
}

TEST_F(WebTest, WithoutABrowserTheHelpPageIsNamedByItsPath) {
  ExpectBrowserFound(31);
  web.LoadHelpPage(kOwner, "index.htm");
  EXPECT_EQ(boxes.shown,
            (kes_test::Boxes{{"Could not find Web Browser!\n\nThe help page is C:\\Program "
                              "Files\\Kestrel\\index.htm",
                              "Kestrel", platform::kMbOk | platform::kMbIconExclamation}}));
}

TEST_F(WebTest, TellsTheUserWhenTheBrowserDoesNotStartAndStillSucceeds) {
  ExpectBrowserFound(32 + 1);
  EXPECT_CALL(shell, ShellExecuteFile(_, _, _, _, _)).WillOnce(Return(32));
  EXPECT_TRUE(web.LoadWebBrowser(kOwner, "http://www.kestrel.example/"));
  EXPECT_EQ(boxes.shown, (kes_test::Boxes{{"Web Page Not Opened", "URL Failed",
                                           platform::kMbOk | platform::kMbIconExclamation}}));
  EXPECT_TRUE(files.files.empty());
}

TEST_F(WebTest, ReportsAnUnexpectedFailureWithTheAddressAndFails) {
  files.refuseWrites = true;
  EXPECT_FALSE(web.LoadWebBrowser(kOwner, "http://www.kestrel.example/"));
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text,
            Subs::ErrorReportText(75, "Path/File access error", "Subs", "LoadWebBrowser",
                                  "http://www.kestrel.example/"));
  EXPECT_EQ(boxes.shown[0].title, "Kestrel Application Error");
}

TEST_F(WebTest, ReportsAFailingLookUpAndLeavesTheTemporaryPage) {
  EXPECT_CALL(shell, FindExecutableFor(_))
      .WillOnce(
          Invoke([](const std::string&) -> platform::FoundExecutable { throw std::bad_alloc(); }));
  EXPECT_FALSE(web.LoadWebBrowser(kOwner, "page.htm"));
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text,
            Subs::ErrorReportText(7, "Out of memory", "Subs", "LoadWebBrowser", "page.htm"));
  EXPECT_EQ(files.files.count(kTempPage), 1u);
}

TEST_F(WebTest, HelpPageFailureIsReportedOnceAndGoesNoFurther) {
  files.refuseWrites = true;
  web.LoadHelpPage(kOwner, "index.htm");
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_NE(boxes.shown[0].text.find("Additional Info: C:\\Program Files\\Kestrel\\index.htm"),
            std::string::npos);
}

class DriveRootWebTest : public WebTest {
 protected:
  DriveRootWebTest() : WebTest("D:\\") {}
};

TEST_F(DriveRootWebTest, DriveRootGetsNoSecondBackslash) {
  ExpectBrowserFound(42, "D:\\TEMP.HTM");
  EXPECT_CALL(shell, ShellExecuteFile(_, _, _, "D:\\index.htm", _)).WillOnce(Return(33));
  web.LoadHelpPage(kOwner, "index.htm");
  EXPECT_TRUE(files.files.empty());
}

}  // namespace
