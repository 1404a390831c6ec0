#include "platform/win32/registry_win32.h"

#include <windows.h>

namespace platform {

namespace {

HKEY ToHkey(RegistryKey key) { return reinterpret_cast<HKEY>(key); }

}  // namespace

std::int32_t Win32Registry::OpenKey(RegistryKey root, const std::string& subKey,
                                    std::uint32_t access, RegistryKey& key) {
  HKEY opened = nullptr;
  const LONG code = RegOpenKeyExA(ToHkey(root), subKey.c_str(), 0, access, &opened);
  key = code == ERROR_SUCCESS ? reinterpret_cast<RegistryKey>(opened) : 0;
  return code;
}

std::int32_t Win32Registry::CreateKey(RegistryKey root, const std::string& subKey,
                                      std::uint32_t access, RegistryKey& key) {
  HKEY created = nullptr;
  DWORD disposition = 0;
  const LONG code =
      RegCreateKeyExA(ToHkey(root), subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access,
                      nullptr, &created, &disposition);
  key = code == ERROR_SUCCESS ? reinterpret_cast<RegistryKey>(created) : 0;
  return code;
}

std::int32_t Win32Registry::SetValue(RegistryKey key, const std::string& name, std::uint32_t type,
                                     const std::uint8_t* data, std::uint32_t size) {
  return RegSetValueExA(ToHkey(key), name.c_str(), 0, type, data, size);
}

std::int32_t Win32Registry::QueryValue(RegistryKey key, const std::string& name,
                                       std::uint32_t* type, std::uint8_t* data,
                                       std::uint32_t* size) {
  DWORD valueType = 0;
  DWORD valueSize = size != nullptr ? *size : 0;
  const LONG code = RegQueryValueExA(ToHkey(key), name.c_str(), nullptr, &valueType, data,
                                     size != nullptr ? &valueSize : nullptr);
  if (type != nullptr) {
    *type = valueType;
  }
  if (size != nullptr) {
    *size = valueSize;
  }
  return code;
}

std::int32_t Win32Registry::CloseKey(RegistryKey key) { return RegCloseKey(ToHkey(key)); }

std::int32_t Win32Registry::DeleteKey(RegistryKey key, const std::string& subKey) {
  return RegDeleteKeyA(ToHkey(key), subKey.c_str());
}

std::int32_t Win32Registry::DeleteValue(RegistryKey key, const std::string& name) {
  return RegDeleteValueA(ToHkey(key), name.c_str());
}

}  // namespace platform
