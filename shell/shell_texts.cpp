#include "shell/shell_texts.h"

#include "shell/app_strings.h"

namespace Subs {

std::string WelcomeText() {
  const std::string lines[] = {
      "",
      "",
      "This appears to be your first time running Kestrel.  A few things to remember:",
      "",
      "     -Help is always available from the menu or by pressing F1.",
      std::string("     -Our web site is ") + kWebSite + ".",
      "     -Options are available from the 'Tools' menu.",
      "",
      "Thanks for using Kestrel!",
  };
  std::string text;
  for (const std::string& line : lines) {
    if (&line != &lines[0]) {
      text += kLF;
    }
    text += line;
  }
  return text;
}

std::string UpdateReminderText() {
  return std::string("This version appears to be about 6 months old.") + kCRLF + kCRLF +
         "We suggest that you check the our web site (" + kWebSite +
         ") for possible updates to this program.";
}

std::string WebNoticeText() {
  return std::string(
             "This command will load your web browser and attempt to go to the site "
             "specified.") +
         kCRLF + kCRLF +
         "If you aren't online now, or don't have your dialer set up to auto-dial, you may "
         "want to connect to the internet before clicking 'Close' here.";
}

std::string SplashNoteText() {
  return std::string(
             "Note:  The load time greatly depends on how many processes are currently "
             "running.") +
         "The next version of Kestrel(tm) will have a 'quick view', a " +
         " 'real-time view', and the ability to select which process properties " +
         "you'd like to capture--all of which can greatly speed up the load time.";
}

std::string VersionLine() {
  return "Version " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
         std::to_string(kVersionRevision);
}

}  // namespace Subs
