#include "tests/fakes/fake_registry.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "platform/failure.h"

namespace kes_test {

namespace {

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

void FakeRegistry::AddKey(const std::string& path) { keys_[Upper(path)]; }

bool FakeRegistry::HasKey(const std::string& path) const { return keys_.count(Upper(path)) != 0; }

void FakeRegistry::Put(const std::string& path, const std::string& name, std::uint32_t type,
                       std::vector<std::uint8_t> data) {
  keys_[Upper(path)][Upper(name)] = Value{type, std::move(data)};
}

void FakeRegistry::PutText(const std::string& path, const std::string& name,
                           const std::string& bytes) {
  Put(path, name, platform::kRegSz, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
}

void FakeRegistry::Erase(const std::string& path, const std::string& name) {
  keys_[Upper(path)].erase(Upper(name));
}

std::optional<FakeRegistry::Value> FakeRegistry::Get(const std::string& path,
                                                     const std::string& name) const {
  const auto key = keys_.find(Upper(path));
  if (key == keys_.end()) return std::nullopt;
  const auto value = key->second.find(Upper(name));
  if (value == key->second.end()) return std::nullopt;
  return value->second;
}

std::optional<std::string> FakeRegistry::PathOf(platform::RegistryKey root,
                                                const std::string& subKey) const {
  // Paths are kept below HKEY_LOCAL_MACHINE, in upper case.
  std::string base;
  if (root != platform::kHkeyLocalMachine) {
    const auto handle = handles_.find(root);
    if (handle == handles_.end()) return std::nullopt;
    base = handle->second;
  }
  if (base.empty()) return Upper(subKey);
  return subKey.empty() ? base : base + "\\" + Upper(subKey);
}

platform::RegistryKey FakeRegistry::Hand(const std::string& path) {
  const platform::RegistryKey key = nextHandle_++;
  handles_[key] = path;
  return key;
}

void FakeRegistry::CheckAccess(std::uint32_t access) {
  if (access != platform::kKeyAccess) ++accessMismatches_;
}

std::int32_t FakeRegistry::OpenKey(platform::RegistryKey root, const std::string& subKey,
                                   std::uint32_t access, platform::RegistryKey& key) {
  CheckAccess(access);
  if (throwOnOpen) {
    throwOnOpen = false;
    throw kes::Failure(kes::kErrApplicationBase + 1, "Registry unavailable");
  }
  const auto path = PathOf(root, subKey);
  if (!path) return platform::kErrorInvalidHandle;
  if (keys_.count(*path) == 0) return platform::kErrorFileNotFound;
  key = Hand(*path);
  return platform::kErrorSuccess;
}

std::int32_t FakeRegistry::CreateKey(platform::RegistryKey root, const std::string& subKey,
                                     std::uint32_t access, platform::RegistryKey& key) {
  CheckAccess(access);
  if (createResult != platform::kErrorSuccess) return createResult;
  const auto path = PathOf(root, subKey);
  if (!path) return platform::kErrorInvalidHandle;
  keys_[*path];
  key = Hand(*path);
  return platform::kErrorSuccess;
}

std::int32_t FakeRegistry::SetValue(platform::RegistryKey key, const std::string& name,
                                    std::uint32_t type, const std::uint8_t* data,
                                    std::uint32_t size) {
  const auto handle = handles_.find(key);
  if (handle == handles_.end()) return platform::kErrorInvalidHandle;
  if (setResult != platform::kErrorSuccess) return setResult;
  keys_[handle->second][Upper(name)] = Value{type, std::vector<std::uint8_t>(data, data + size)};
  writes_.push_back(name);
  return platform::kErrorSuccess;
}

std::int32_t FakeRegistry::QueryValue(platform::RegistryKey key, const std::string& name,
                                      std::uint32_t* type, std::uint8_t* data,
                                      std::uint32_t* size) {
  if (data != nullptr && beforeDataRead) beforeDataRead();
  const auto handle = handles_.find(key);
  if (handle == handles_.end()) return platform::kErrorInvalidHandle;
  const auto& values = keys_[handle->second];
  const auto value = values.find(Upper(name));
  if (value == values.end()) return platform::kErrorFileNotFound;
  const auto stored = static_cast<std::uint32_t>(value->second.data.size());
  if (type != nullptr) *type = value->second.type;
  if (data == nullptr) {
    if (size != nullptr) *size = stored;
    return platform::kErrorSuccess;
  }
  if (size == nullptr) return platform::kErrorInvalidData;
  if (*size < stored) {
    *size = stored;
    return platform::kErrorMoreData;
  }
  std::copy(value->second.data.begin(), value->second.data.end(), data);
  *size = stored;
  return platform::kErrorSuccess;
}

std::int32_t FakeRegistry::CloseKey(platform::RegistryKey key) {
  return handles_.erase(key) == 1 ? platform::kErrorSuccess : platform::kErrorInvalidHandle;
}

std::int32_t FakeRegistry::DeleteKey(platform::RegistryKey key, const std::string& subKey) {
  const auto path = PathOf(key, subKey);
  if (!path || subKey.empty()) return platform::kErrorInvalidHandle;
  return keys_.erase(*path) == 1 ? platform::kErrorSuccess : platform::kErrorFileNotFound;
}

std::int32_t FakeRegistry::DeleteValue(platform::RegistryKey key, const std::string& name) {
  const auto handle = handles_.find(key);
  if (handle == handles_.end()) return platform::kErrorInvalidHandle;
  return keys_[handle->second].erase(Upper(name)) == 1 ? platform::kErrorSuccess
                                                       : platform::kErrorFileNotFound;
}

}  // namespace kes_test
