#pragma once

#include <string>

namespace platform {

// The path of one of the shell's special folders (a CSIDL_ number), without
// a trailing backslash unless it is a drive root; "" where the system has no
// such folder.
std::string ShellFolderPath(int folder);

}  // namespace platform
