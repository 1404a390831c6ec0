#pragma once

#include <cstdint>
#include <string>

namespace platform {

// The full path of a process's executable when the process list gives only
// its file name: from the running process's image name, else from its own
// module entry, else from the system's search path. Empty when none is found.
std::string FindExePath(std::uint32_t processId, const std::string& fileName);

// True for the 16-bit support modules ("krnl386.exe16") that some systems
// list in 32-bit processes; the tool-help of Windows 95 and 98 lists none.
bool IsSixteenBitModule(const std::string& fileName);

}  // namespace platform
