#include "shell/general/web.h"

#include <exception>

#include "shell/general/failure_handler.h"
#include "shell/general/text_helpers.h"

namespace Subs {

namespace {

constexpr const char* kTempPage = "TEMP.HTM";
// Any HTML page finds the browser; this one holds next to nothing.
constexpr const char* kTempPageText = "\"<HTML> <\\HTML>\"\r\n";
constexpr const char* kAppTitle = "Kestrel";

}  // namespace

std::string QuoteAddress(const std::string& address) {
  // Unquoted, "C:\Program Files\Kestrel\index.htm" reaches the browser as two
  // arguments and neither names the page.
  const bool hasBlank = address.find_first_of(" \t") != std::string::npos;
  const bool quoted = address.size() >= 2 && address.front() == '"' && address.back() == '"';
  return hasBlank && !quoted ? '"' + address + '"' : address;
}

WebLauncher::WebLauncher(const std::string& programFolder, const platform::FileNameRule& rule,
                         platform::ShellLauncher& shell, platform::FileStore& files,
                         const ErrorReport& report)
    : programFolder_(AddBackslash(rule, programFolder)),
      shell_(shell),
      files_(files),
      report_(report) {}

bool WebLauncher::LoadWebBrowser(platform::WindowHandle owner, const std::string& address,
                                 const std::string& notFoundNote) const {
  return WithFailureHandler(report_, "Subs", "LoadWebBrowser", address, false, [&] {
    // The browser is whatever program opens HTML pages, so the look-up needs
    // an existing page; it lives only for the look-up and the launch.
    const std::string tempPage = programFolder_ + kTempPage;
    files_.WriteTextFile(tempPage, kTempPageText);

    const platform::FoundExecutable browser = shell_.FindExecutableFor(tempPage);
    if (browser.code <= platform::kShellSuccessAbove) {
      const std::string text = std::string("Could not find Web Browser!") +
                               (notFoundNote.empty() ? "" : "\n\n" + notFoundNote);
      report_.Boxes().Show(owner, text, kAppTitle, platform::kMbOk | platform::kMbIconExclamation);
    } else if (shell_.ShellExecuteFile(owner, "open", browser.path, QuoteAddress(address),
                                       platform::kSwShowNormal) <= platform::kShellSuccessAbove) {
      report_.Boxes().Show(owner, "Web Page Not Opened", "URL Failed",
                           platform::kMbOk | platform::kMbIconExclamation);
    }

    files_.RemoveFile(tempPage);
    return true;
  });
}

void WebLauncher::LoadHelpPage(platform::WindowHandle owner, const std::string& page) const {
  try {
    const std::string path = programFolder_ + page;
    LoadWebBrowser(owner, path, "The help page is " + path);
  } catch (...) {
    // Opening help is a convenience; a failure here leaves the caller undisturbed.
  }
}

}  // namespace Subs
