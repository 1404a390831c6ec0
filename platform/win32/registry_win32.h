#pragma once

#include "platform/registry.h"

namespace platform {

// The registry functions of advapi32, called as they are.
class Win32Registry final : public Registry {
 public:
  std::int32_t OpenKey(RegistryKey root, const std::string& subKey, std::uint32_t access,
                       RegistryKey& key) override;
  std::int32_t CreateKey(RegistryKey root, const std::string& subKey, std::uint32_t access,
                         RegistryKey& key) override;
  std::int32_t SetValue(RegistryKey key, const std::string& name, std::uint32_t type,
                        const std::uint8_t* data, std::uint32_t size) override;
  std::int32_t QueryValue(RegistryKey key, const std::string& name, std::uint32_t* type,
                          std::uint8_t* data, std::uint32_t* size) override;
  std::int32_t CloseKey(RegistryKey key) override;
  std::int32_t DeleteKey(RegistryKey key, const std::string& subKey) override;
  std::int32_t DeleteValue(RegistryKey key, const std::string& name) override;
};

}  // namespace platform
