#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/file_name_rule.h"

namespace st5unst {

// The log path from the program's arguments (the command line after the
// program's own name): "-n" and the path, quoted or not. Nothing when the
// arguments are not of that form.
std::optional<std::string> LogPathFromArguments(const std::string& arguments);

// The text without the blanks and tabs at its ends.
std::string Trim(const std::string& text);

// The arguments of a whole command line: everything after the program's own
// name, which may be quoted.
std::string ArgumentsOf(const std::string& commandLine);

// The names on the log's "<keyword>: "<name>"" lines (Shortcut, SettingsKey,
// UninstallKey): plain names in double quotes, no path, in file order.
std::vector<std::string> LoggedNames(const std::string& logText, const std::string& keyword);

// The folder that holds `path`, without its trailing backslash; empty when
// the path names no folder.
std::string FolderOf(const platform::FileNameRule& rule, const std::string& path);

}  // namespace st5unst
