// Reports the platform identifier that GetOSPlatform sees as its exit code,
// so a test can run it under a name for which Wine reports another version.
#include "shell/win32/os_platform.h"

int main() { return static_cast<int>(shellwin::GetOSPlatform()); }
