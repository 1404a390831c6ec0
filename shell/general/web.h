#pragma once

#include <string>

#include "platform/file_name_rule.h"
#include "platform/file_store.h"
#include "platform/message_box.h"
#include "platform/shell_launcher.h"
#include "shell/general/error_report.h"

namespace Subs {

// Opens web addresses and the help pages of the program's folder in the
// program that the system has registered for HTML pages.
//
// In the program:
//   platform::Win32ShellLauncher shell;  platform::Win32FileStore files;
//   platform::Win32SystemFolders folders;
//   Subs::WebLauncher web(folders.ProgramFolder(), rule, shell, files, report);
//   web.LoadHelpPage(hwnd, "index.htm");
class WebLauncher {
 public:
  // programFolder: the folder of the running program, where the help pages
  // and the temporary page "TEMP.HTM" live; the rule joins names to it.
  // Messages go through the report's message boxes.
  WebLauncher(const std::string& programFolder, const platform::FileNameRule& rule,
              platform::ShellLauncher& shell, platform::FileStore& files,
              const ErrorReport& report);

  // Starts the browser with the address on its command line. Tells the user
  // itself when no browser is registered or it cannot be started; returns
  // false only after an unexpected failure, which it has reported. A
  // `notFoundNote` follows the not-found message on lines of its own.
  bool LoadWebBrowser(platform::WindowHandle owner, const std::string& address,
                      const std::string& notFoundNote = {}) const;

  // Opens the page file of the program's folder, e.g. "index.htm"; nothing
  // checks that the page exists. Without a browser the message names the
  // page's path, so that the user can open it another way.
  void LoadHelpPage(platform::WindowHandle owner, const std::string& page) const;

 private:
  std::string programFolder_;  // with its trailing backslash
  platform::ShellLauncher& shell_;
  platform::FileStore& files_;
  const ErrorReport& report_;
};

// The address as one command-line argument: wrapped in double quotes when it
// holds a blank, unchanged otherwise.
std::string QuoteAddress(const std::string& address);

}  // namespace Subs
