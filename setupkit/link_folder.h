#pragma once

#include <string>
#include <vector>

#include "platform/file_name_rule.h"

namespace setupkit {

// The folders that lead to `path`, outermost first, the path itself last and
// the root left out: "C:\A\B" gives "C:\A", "C:\A\B"; "\\s\h\A" gives
// "\\s\h\A". Empty for a path that is no full path.
std::vector<std::string> FolderChain(const platform::FileNameRule& rule, const std::string& path);

}  // namespace setupkit
