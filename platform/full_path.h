#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/file_name_rule.h"

namespace platform {

// A full path taken apart: its root ("C:\" or "\\server\share\", always
// ending in a backslash) and the names below it. Backslashes and slashes both
// separate (as characters of their own, by the rule); empty names (doubled
// separators) are dropped.
struct PathSteps {
  std::string root;
  std::vector<std::string> steps;
};

// Nothing for a path that is not full: relative, drive-relative ("C:x"),
// a share without its name, or the device forms "\\.\" and "\\?\".
std::optional<PathSteps> SplitFullPath(const FileNameRule& rule, const std::string& path);

// The root and the names joined by single backslashes; the bare root keeps
// its trailing backslash.
std::string JoinPath(const PathSteps& path);

// The one spelling of a full path that the programs act on: "." and ".."
// steps resolved, separators made single backslashes, no trailing backslash
// but a bare root's. Nothing when the path is not full, would climb above its
// root, or holds a name the system would read differently from its text
// (wildcards, control characters, < > : " |, a trailing dot or blank, a
// device name such as NUL or COM1).
std::optional<std::string> CanonicalPath(const FileNameRule& rule, const std::string& path);

// The folder that holds a canonical path, as a canonical path; the root
// for a root.
std::string ParentOf(const FileNameRule& rule, const std::string& canonical);

}  // namespace platform
