#include "shell/shell_texts.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Lines(const std::string& text, char separator) {
  std::vector<std::string> lines;
  std::string line;
  std::istringstream in(text);
  while (std::getline(in, line, separator)) {
    lines.push_back(line);
  }
  if (!text.empty() && text.back() == separator) {
    lines.push_back("");
  }
  return lines;
}

TEST(ShellTextsTest, WelcomeJoinsItsLinesWithLineFeedsAlone) {
  const std::string text = Subs::WelcomeText();
  EXPECT_EQ(text.find('\r'), std::string::npos);
  EXPECT_EQ(
      Lines(text, '\n'),
      (std::vector<std::string>{
          "", "", "This appears to be your first time running Kestrel.  A few things to remember:",
          "", "     -Help is always available from the menu or by pressing F1.",
          "     -Our web site is http://www.fernbrook.example.",
          "     -Options are available from the 'Tools' menu.", "", "Thanks for using Kestrel!"}));
}

TEST(ShellTextsTest, ReminderAndWebNoticeBreakWithCarriageReturnAndLineFeed) {
  EXPECT_EQ(Subs::UpdateReminderText(),
            "This version appears to be about 6 months old.\r\n\r\nWe suggest that you check the "
            "our web site (http://www.fernbrook.example) for possible updates to this program.");
  EXPECT_EQ(Subs::WebNoticeText(),
            "This command will load your web browser and attempt to go to the site specified."
            "\r\n\r\nIf you aren't online now, or don't have your dialer set up to auto-dial, "
            "you may want to connect to the internet before clicking 'Close' here.");
}

TEST(ShellTextsTest, SplashNoteJoinsItsPiecesWithNothingBetween) {
  const std::string note = Subs::SplashNoteText();
  EXPECT_NE(note.find("running.The next version"), std::string::npos);
  EXPECT_NE(note.find("a  'real-time view', and"), std::string::npos);
  EXPECT_NE(note.find("properties you'd like"), std::string::npos);
}

}  // namespace
