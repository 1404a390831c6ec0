// Imports two functions that Windows 95 does not export (both came with
// Windows 98), so the import check must name them.
#include <windows.h>

int main() {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  const BOOL found = GetFileAttributesExA("C:\\", GetFileExInfoStandard, &data);
  return found + IsDebuggerPresent();
}
