#include "startup/win32/startup_sources_win32.h"

#include <windows.h>
// After windows.h, whose types they use.
#include <objbase.h>
#include <shlobj.h>

#include <memory>

#include "platform/shortcut_places.h"
#include "platform/win32/shell_folder_win32.h"

namespace startupwin {

namespace {

// An open registry key, closed when it goes.
class OpenKey {
 public:
  OpenKey(HKEY root, const std::string& subKey) {
    if (RegOpenKeyExA(root, subKey.c_str(), 0, KEY_QUERY_VALUE, &key_) != ERROR_SUCCESS) {
      key_ = nullptr;
    }
  }
  ~OpenKey() {
    if (key_ != nullptr) {
      RegCloseKey(key_);
    }
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  HKEY Get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

// Values larger than this are not read: no command is that long.
constexpr DWORD kLargestValue = 1 << 20;

struct ReleaseInterface {
  void operator()(IUnknown* object) const { object->Release(); }
};
template <class Interface>
using Held = std::unique_ptr<Interface, ReleaseInterface>;

std::wstring WideText(const std::string& text) {
  const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  if (length <= 0) {
    return {};
  }
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
  wide.resize(static_cast<std::size_t>(length) - 1);
  return wide;
}

}  // namespace

std::vector<Startup::NamedValue> Win32RegistryValues::Values(platform::RegistryKey root,
                                                             const std::string& subKey) {
  std::vector<Startup::NamedValue> values;
  const OpenKey key(reinterpret_cast<HKEY>(root), subKey);
  if (key.Get() == nullptr) {
    return values;
  }
  DWORD nameRoom = 0, dataRoom = 0;
  if (RegQueryInfoKeyA(key.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                       &nameRoom, &dataRoom, nullptr, nullptr) != ERROR_SUCCESS) {
    nameRoom = MAX_PATH;
    dataRoom = MAX_PATH;
  }
  for (DWORD index = 0;;) {
    std::string name(nameRoom + 1, '\0'), data(dataRoom + 1, '\0');
    DWORD nameSize = nameRoom + 1, dataSize = dataRoom + 1, type = 0;
    const LONG result = RegEnumValueA(key.Get(), index, name.data(), &nameSize, nullptr, &type,
                                      reinterpret_cast<BYTE*>(data.data()), &dataSize);
    if (result == ERROR_MORE_DATA && dataRoom < kLargestValue) {
      // The value grew since the key was asked, or the key's answer was short.
      nameRoom = nameRoom * 2 + MAX_PATH;
      dataRoom = dataRoom * 2 + MAX_PATH;
      continue;
    }
    if (result != ERROR_SUCCESS && result != ERROR_MORE_DATA) {
      break;
    }
    if (result == ERROR_SUCCESS) {
      name.resize(std::min<std::size_t>(nameSize, name.size()));
      data.resize(std::min<std::size_t>(dataSize, data.size()));
      values.push_back({name, type, data});
    }
    ++index;
  }
  return values;
}

Win32ShortcutReader::Win32ShortcutReader() : com_(SUCCEEDED(CoInitialize(nullptr))) {}

Win32ShortcutReader::~Win32ShortcutReader() {
  if (com_) {
    CoUninitialize();
  }
}

std::optional<Startup::ShortcutTarget> Win32ShortcutReader::Read(const std::string& path) {
  IShellLinkA* created = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(&created))) ||
      created == nullptr) {
    return std::nullopt;
  }
  const Held<IShellLinkA> link(created);
  IPersistFile* persisted = nullptr;
  if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persisted))) ||
      persisted == nullptr) {
    return std::nullopt;
  }
  const Held<IPersistFile> file(persisted);
  const std::wstring wide = WideText(path);
  if (wide.empty() || FAILED(file->Load(wide.c_str(), STGM_READ))) {
    return std::nullopt;
  }
  // The stored target as it stands: no search for a moved file, no window.
  char target[MAX_PATH] = {}, arguments[1024] = {};
  if (FAILED(link->GetPath(target, MAX_PATH, nullptr, 0))) {
    target[0] = '\0';
  }
  if (FAILED(link->GetArguments(arguments, sizeof arguments))) {
    arguments[0] = '\0';
  }
  target[MAX_PATH - 1] = '\0';
  arguments[sizeof arguments - 1] = '\0';
  return Startup::ShortcutTarget{target, arguments};
}

std::string StartupFolderPath(const platform::FileNameRule& rule, const std::string& windowsDir) {
  platform::Win32ShellFolders shell;
  return platform::ResolveShellFolder(rule, shell, windowsDir, platform::ShellFolderId::kStartup);
}

}  // namespace startupwin
