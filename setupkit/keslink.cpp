// The shell-link library that the setup kit installs beside the viewer:
// fCreateShellLink writes a shortcut file "<name>.LNK" through the shell's
// own link object, fRemoveShellLink deletes it. Folders are named relative
// to the Programs menu; the five places' names stand for the shell's own
// folders (platform/shortcut_places.h). Both return non-zero only when the
// file is there, or gone, afterwards.
// clang-format off
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
// clang-format on

#include <string>
#include <vector>

#include "platform/shortcut_places.h"
#include "platform/win32/file_name_rule_win32.h"
#include "platform/win32/shell_folder_win32.h"
#include "setupkit/link_folder.h"

namespace {

// A COM interface pointer, released once.
template <typename Interface>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() {
    if (pointer_ != nullptr) {
      pointer_->Release();
    }
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;

  Interface* operator->() const { return pointer_; }
  Interface* get() const { return pointer_; }
  void** out() { return reinterpret_cast<void**>(&pointer_); }

 private:
  Interface* pointer_ = nullptr;
};

// COM for the length of one call. A thread that already runs COM in another
// mode keeps it, and is not uninitialised here.
class ComScope {
 public:
  ComScope() : initialised_(SUCCEEDED(CoInitialize(nullptr))) {}
  ~ComScope() {
    if (initialised_) {
      CoUninitialize();
    }
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  bool initialised_;
};

constexpr LONG kDone = 1;
constexpr LONG kFailed = 0;

std::string WindowsDirectory() {
  char buffer[MAX_PATH + 1] = {};
  const UINT length = GetWindowsDirectoryA(buffer, MAX_PATH);
  return length == 0 || length > MAX_PATH ? std::string() : std::string(buffer, length);
}

bool IsFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IsFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// Only the system's "not found" says a file is gone; a path it cannot reach
// just now (a network share that does not answer) may still hold it.
bool IsGone(const std::string& path) {
  if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
    return false;
  }
  const DWORD error = GetLastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// The link file's path, or empty text when there is no sound one: no
// Windows directory, or a name that is empty or would leave the folder.
std::string LinkFile(const platform::FileNameRule& rule, LPCSTR folder, LPCSTR name) {
  if (folder == nullptr || name == nullptr || *name == '\0' ||
      rule.LastOf(name, "\\/:") != std::string::npos) {
    return {};
  }
  platform::Win32ShellFolders shell;
  return platform::ResolveLinkFile(rule, shell, WindowsDirectory(), folder, name);
}

std::wstring Wide(const std::string& text) {
  const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  if (length <= 0) {
    return {};
  }
  std::vector<wchar_t> wide(static_cast<std::size_t>(length));
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
  return std::wstring(wide.data());
}

// The folder a program starts in: its own.
std::string FolderOf(const platform::FileNameRule& rule, const std::string& path) {
  const auto slash = rule.LastSeparator(path);
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

bool WriteLink(const platform::FileNameRule& rule, const std::string& file, LPCSTR path,
               LPCSTR arguments) {
  const ComScope com;
  ComPtr<IShellLinkA> link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              link.out()))) {
    return false;
  }
  ComPtr<IPersistFile> persist;
  if (FAILED(link->SetPath(path)) ||
      FAILED(link->SetArguments(arguments != nullptr ? arguments : "")) ||
      FAILED(link->SetWorkingDirectory(FolderOf(rule, path).c_str())) ||
      FAILED(link->QueryInterface(IID_IPersistFile, persist.out()))) {
    return false;
  }
  const std::wstring wideFile = Wide(file);
  return !wideFile.empty() && SUCCEEDED(persist->Save(wideFile.c_str(), TRUE));
}

}  // namespace

extern "C" LONG WINAPI fCreateShellLink(LPCSTR folder, LPCSTR name, LPCSTR path, LPCSTR arguments) {
  try {
    const platform::Win32FileNameRule rule;
    const std::string file = LinkFile(rule, folder, name);
    if (file.empty() || path == nullptr) {
      return kFailed;
    }
    const std::string target = FolderOf(rule, file);
    // A place that only some systems have (Quick Launch) is never made.
    const platform::ShortcutFolder* place = platform::PlaceNamed(rule, folder);
    if (place == nullptr || place->madeWhenMissing) {
      for (const std::string& step : setupkit::FolderChain(rule, target)) {
        CreateDirectoryA(step.c_str(), nullptr);  // an existing folder is fine
      }
    }
    if (!IsFolder(target) || !WriteLink(rule, file, path, arguments)) {
      return kFailed;
    }
    return IsFile(file) ? kDone : kFailed;
  } catch (...) {
    return kFailed;
  }
}

extern "C" LONG WINAPI fRemoveShellLink(LPCSTR folder, LPCSTR name) {
  try {
    const std::string file = LinkFile(platform::Win32FileNameRule(), folder, name);
    if (file.empty()) {
      return kFailed;
    }
    if (IsFile(file)) {
      // A read-only file would refuse to go.
      SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA(file.c_str());
    }
    return IsGone(file) ? kDone : kFailed;
  } catch (...) {
    return kFailed;
  }
}
