#pragma once

namespace platform {

// Registers the common control classes the windows use (tree, list, toolbar,
// status bar, tab strip). The extended call exists only where a newer common
// controls library is installed, so it is looked up at run time and a plain
// Windows 95 gets the original call.
void InitCommonControlClasses();

}  // namespace platform
