#pragma once

#include <string>
#include <vector>

#include "platform/file_finder.h"
#include "platform/file_name_rule.h"

namespace Startup {

// Where a bare program name is looked for, in this order: the Windows
// folder, the System folder, then each folder of PATH.
struct ProgramSearch {
  std::string windowsFolder;
  std::string systemFolder;
  std::vector<std::string> pathFolders;
};

// The folders of a PATH value, in order, without empty ones.
std::vector<std::string> PathFolders(const platform::FileNameRule& rule, const std::string& path);

// A command taken apart as Windows runs it.
struct CommandProgram {
  std::string program;    // the program file's canonical path; empty when none was found
  std::string arguments;  // what follows the program, without leading blanks
};

// A quoted program ends at its closing quote; an unquoted one is the longest
// leading run of blank-separated words that names an existing normal file.
// A name without an extension is tried with .exe, .com, .bat and .pif; a
// bare name (no folder, no drive) is looked for in the folders of `search`.
// A path that is not full, longer than a path can be, or that the system
// would read otherwise than written (see platform::CanonicalPath) names no
// program.
CommandProgram SplitCommand(const platform::FileNameRule& rule, platform::FileFinder& files,
                            const ProgramSearch& search, const std::string& command);

// The file at `path` (as written, no extension search or folder search), by
// its canonical path; empty when there is none.
std::string ExistingFile(const platform::FileNameRule& rule, platform::FileFinder& files,
                         const std::string& path);

}  // namespace Startup
