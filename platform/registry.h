#pragma once

#include <cstdint>
#include <string>

namespace platform {

// A registry key handle: a predefined root such as kHkeyLocalMachine or a key
// that OpenKey or CreateKey handed out. 0 is no key.
using RegistryKey = std::uintptr_t;

// The platform's own number: 0x80000002 as a signed 32-bit value, widened
// with its sign where a handle has 64 bits.
inline constexpr RegistryKey kHkeyLocalMachine =
    static_cast<RegistryKey>(static_cast<std::intptr_t>(static_cast<std::int32_t>(0x80000002u)));
// 0x80000001, in the same way.
inline constexpr RegistryKey kHkeyCurrentUser =
    static_cast<RegistryKey>(static_cast<std::intptr_t>(static_cast<std::int32_t>(0x80000001u)));

// Value types, with the platform's own numbers.
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;

// KEY_QUERY_VALUE | KEY_SET_VALUE | KEY_CREATE_SUB_KEY | KEY_ENUMERATE_SUB_KEYS
// | KEY_NOTIFY | KEY_CREATE_LINK, without the standard rights.
inline constexpr std::uint32_t kKeyAccess = 0x3F;

// Result codes, with the platform's own numbers.
inline constexpr std::int32_t kErrorSuccess = 0;
inline constexpr std::int32_t kErrorFileNotFound = 2;
inline constexpr std::int32_t kErrorAccessDenied = 5;
inline constexpr std::int32_t kErrorInvalidHandle = 6;
inline constexpr std::int32_t kErrorInvalidData = 13;
inline constexpr std::int32_t kErrorMoreData = 234;

// The ANSI registry functions, one call each, with their own arguments and
// result codes (0 = success). Texts are in the ANSI code page.
class Registry {
 public:
  virtual ~Registry() = default;

  // RegOpenKeyExA(root, subKey, 0, access, &key).
  virtual std::int32_t OpenKey(RegistryKey root, const std::string& subKey, std::uint32_t access,
                               RegistryKey& key) = 0;
  // RegCreateKeyExA(root, subKey, 0, NULL, REG_OPTION_NON_VOLATILE, access,
  // NULL, &key, NULL): opens the key, creating it when missing.
  virtual std::int32_t CreateKey(RegistryKey root, const std::string& subKey, std::uint32_t access,
                                 RegistryKey& key) = 0;
  // RegSetValueExA(key, name, 0, type, data, size).
  virtual std::int32_t SetValue(RegistryKey key, const std::string& name, std::uint32_t type,
                                const std::uint8_t* data, std::uint32_t size) = 0;
  // RegQueryValueExA(key, name, NULL, type, data, size). With data null only
  // the type and the size in bytes are returned; otherwise *size is the
  // buffer's size on the way in and the number of bytes stored on the way out.
  virtual std::int32_t QueryValue(RegistryKey key, const std::string& name, std::uint32_t* type,
                                  std::uint8_t* data, std::uint32_t* size) = 0;
  // RegCloseKey(key).
  virtual std::int32_t CloseKey(RegistryKey key) = 0;
  // RegDeleteKeyA(key, subKey).
  virtual std::int32_t DeleteKey(RegistryKey key, const std::string& subKey) = 0;
  // RegDeleteValueA(key, name).
  virtual std::int32_t DeleteValue(RegistryKey key, const std::string& name) = 0;
};

}  // namespace platform
