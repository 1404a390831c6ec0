// A stand-in for the shell-link library's removal call, for the uninstaller's
// tests: fRemoveShellLink(folder, name) deletes name + ".LNK" in the folder
// named relative to the Programs menu ("<Windows>\Start Menu\Programs").
#include <windows.h>

#include <string>

extern "C" __declspec(dllexport) LONG WINAPI fRemoveShellLink(LPCSTR folder, LPCSTR linkName) {
  char windows[MAX_PATH] = {};
  GetWindowsDirectoryA(windows, MAX_PATH);
  std::string path = std::string(windows) + "\\Start Menu\\Programs";
  const std::string relative = folder != nullptr ? folder : "";
  if (!relative.empty() && relative.front() != '\\') {
    path += '\\';
  }
  path += relative + "\\" + (linkName != nullptr ? linkName : "") + ".LNK";
  return DeleteFileA(path.c_str()) ? 1 : 0;
}
