#pragma once

#include <string>

#include "platform/file_name_rule.h"
#include "platform/system_folders.h"
#include "shell/general/error_report.h"

namespace Subs {

// The Windows directory with a trailing backslash. Empty text when the
// system gives none or when it does not fit the 145-character buffer the
// routine offers. An unexpected failure travels on.
std::string WindowsDirWithBackslash(platform::SystemFolders& folders,
                                    const platform::FileNameRule& rule);
// The System folder in the same way.
std::string SystemDirWithBackslash(platform::SystemFolders& folders,
                                   const platform::FileNameRule& rule);

// WindowsDirWithBackslash; an unexpected failure is reported and gives empty
// text.
std::string GetWindowsDir(platform::SystemFolders& folders, const platform::FileNameRule& rule,
                          const ErrorReport& report);

}  // namespace Subs
