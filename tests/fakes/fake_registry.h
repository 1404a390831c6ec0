#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace kes_test {

// A registry in memory that answers like the ANSI functions: key and value
// names ignore letter case, a query with a too small buffer answers 234, and
// every key handed out must be closed again.
class FakeRegistry final : public platform::Registry {
 public:
  struct Value {
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
  };

  // Direct access for arranging and checking, without handles; paths are
  // below HKEY_LOCAL_MACHINE.
  void AddKey(const std::string& path);
  bool HasKey(const std::string& path) const;
  void Put(const std::string& path, const std::string& name, std::uint32_t type,
           std::vector<std::uint8_t> data);
  void PutText(const std::string& path, const std::string& name, const std::string& bytes);
  void Erase(const std::string& path, const std::string& name);
  std::optional<Value> Get(const std::string& path, const std::string& name) const;

  // Names of the values written, in the order of writing.
  const std::vector<std::string>& Writes() const { return writes_; }
  int OpenHandles() const { return static_cast<int>(handles_.size()); }
  int AccessMismatches() const { return accessMismatches_; }

  // Faults to inject: a result code for every create or write, or a failure
  // thrown from the next open.
  std::int32_t createResult = platform::kErrorSuccess;
  std::int32_t setResult = platform::kErrorSuccess;
  bool throwOnOpen = false;
  // Runs before a query that reads data: someone editing the value meanwhile.
  std::function<void()> beforeDataRead;

  std::int32_t OpenKey(platform::RegistryKey root, const std::string& subKey, std::uint32_t access,
                       platform::RegistryKey& key) override;
  std::int32_t CreateKey(platform::RegistryKey root, const std::string& subKey,
                         std::uint32_t access, platform::RegistryKey& key) override;
  std::int32_t SetValue(platform::RegistryKey key, const std::string& name, std::uint32_t type,
                        const std::uint8_t* data, std::uint32_t size) override;
  std::int32_t QueryValue(platform::RegistryKey key, const std::string& name, std::uint32_t* type,
                          std::uint8_t* data, std::uint32_t* size) override;
  std::int32_t CloseKey(platform::RegistryKey key) override;
  std::int32_t DeleteKey(platform::RegistryKey key, const std::string& subKey) override;
  std::int32_t DeleteValue(platform::RegistryKey key, const std::string& name) override;

 private:
  using Values = std::map<std::string, Value>;

  std::optional<std::string> PathOf(platform::RegistryKey root, const std::string& subKey) const;
  platform::RegistryKey Hand(const std::string& path);
  void CheckAccess(std::uint32_t access);

  std::map<std::string, Values> keys_;  // by upper-case path
  std::map<platform::RegistryKey, std::string> handles_;
  platform::RegistryKey nextHandle_ = 0x100;
  std::vector<std::string> writes_;
  int accessMismatches_ = 0;
};

}  // namespace kes_test
